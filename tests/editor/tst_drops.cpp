#include "DropHandler.h"
#include "EditorTestCase.h"
#include "KamdelDocument.h"
#include "edits/DocumentEdits.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "views/CommandTreeView.h"

#include "edits/EditHistory.h"
#include <QMimeData>
#include <QRandomGenerator>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTextEdit>
#include <QtTest>

// Files dropped on the editor's window.
class tst_Drops : public EditorTestCase
{
    Q_OBJECT

private slots:
    void init();

    void dropOpensOrImports_data();
    void dropOpensOrImports();
    void sequenceGoesAfterCurrentFrame_data();
    void sequenceGoesAfterCurrentFrame();
    void randomSequencesKeepTheirValues();
    void documentDropAsksToSaveFirst_data();
    void documentDropAsksToSaveFirst();
    void reportPaneTakesNoDrop();
    void dragAnnouncesWhatADropDoes_data();
    void dragAnnouncesWhatADropDoes();

private:
    KamdelDocument* document() const { return qobject_cast<KamdelDocument*>(m_window->document()); }
    AbstractTreeItem* program() const { return document()->deviceItem()->program(0); }
    // The frames of the program as the numbers of their lit LEDs.
    QList<QVector<int>> programFrames() const;
    QString writeFile(const QString& name, const QByteArray& contents);
    QPoint centreOf(const char* widgetName) const;
    bool drop(const QString& path, const QPoint& at = QPoint());
    void selectFrame(int row);
};

namespace {
// A sequence file of frames given as their lit LEDs.
QByteArray sequence(const QList<QVector<int>>& frames, const QByteArray& lineEnd = "\n")
{
    QByteArray text;
    for (int led = 0; led < LedStatesCommand::LedCount; ++led)
        text += (led ? "," : "") + QByteArray::number(led);
    text += lineEnd;
    for (const QVector<int>& lit : frames) {
        for (int led = 0; led < LedStatesCommand::LedCount; ++led)
            text += QByteArray(led ? "," : "") + (lit.contains(led) ? "1" : "0");
        text += lineEnd;
    }
    return text;
}
} // namespace

void tst_Drops::init()
{
    EditorTestCase::init();
    m_window->resize(900, 700);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

QList<QVector<int>> tst_Drops::programFrames() const
{
    QList<QVector<int>> frames;
    for (int i = 0; i < program()->childCount(); ++i) {
        auto* frame = qobject_cast<LedStatesCommand*>(program()->child(i));
        QVector<int> lit;
        for (int k = 0; frame && k < frame->leds().size(); ++k) {
            if (frame->leds().at(k)->value() > 0)
                lit << k;
        }
        frames << lit;
    }
    return frames;
}

QString tst_Drops::writeFile(const QString& name, const QByteArray& contents)
{
    const QString path = newPath(QStringLiteral("drop")) + QLatin1Char('-') + name;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size())
        return QString();
    return path;
}

QPoint tst_Drops::centreOf(const char* widgetName) const
{
    auto* widget = m_window->findChild<QWidget*>(QLatin1String(widgetName));
    return widget->mapTo(m_window.get(), widget->rect().center());
}

bool tst_Drops::drop(const QString& path, const QPoint& at)
{
    const bool existed = QFile::exists(path);
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(path) });
    const QPoint position = at.isNull() ? centreOf("stackedWidget") : at;
    QDragEnterEvent enter(position, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window.get(), &enter);
    if (!enter.isAccepted())
        return false;
    // A file manager offers to copy or to move; moving would delete the file.
    QDropEvent dropped(position, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    dropped.setDropAction(Qt::MoveAction);
    QApplication::sendEvent(m_window.get(), &dropped);
    return dropped.isAccepted() && dropped.dropAction() == Qt::CopyAction && QFile::exists(path) == existed;
}

void tst_Drops::selectFrame(int row)
{
    CommandTreeView* tree = document()->commandTreeView();
    tree->setCurrentIndex(document()->treeModel()->indexOf(row < 0 ? program() : program()->child(row)));
}

void tst_Drops::dropOpensOrImports_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("withDocument");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("frames");
    QTest::addRow("document, none open") << "document" << false << "" << 3;
    QTest::addRow("document replaces the one open") << "document" << true << "" << 3;
    QTest::addRow("sequence added") << "sequence" << true << "" << 4;
    QTest::addRow("sequence without a document")
        << "sequence" << false << "Open or create a document first" << -1;
    QTest::addRow("picture refused") << "picture" << true << "sequence file (.csv)" << 2;
    QTest::addRow("XML of another kind refused") << "other xml" << true << "panel document (.xml)" << 2;
    QTest::addRow("prose in a CSV refused") << "prose" << true << "is not a sequence file" << 2;
    QTest::addRow("binary CSV refused") << "binary" << true << "is not a sequence file" << 2;
    QTest::addRow("missing file refused") << "missing" << true << "sequence file (.csv)" << 2;
}

void tst_Drops::dropOpensOrImports()
{
    QFETCH(QString, kind);
    QFETCH(bool, withDocument);
    QFETCH(QString, message);
    QFETCH(int, frames);

    if (withDocument)
        m_window->openDocument(documentFile(
            QStringLiteral("1.0"), { DocumentFiles::frame({ 1 }), DocumentFiles::frame({ 2 }) }));
    QString path;
    if (kind == QLatin1String("document"))
        path = documentFile(QStringLiteral("1.0"),
            { DocumentFiles::frame({ 5 }), DocumentFiles::frame({ 6 }), DocumentFiles::frame({ 7 }) });
    else if (kind == QLatin1String("sequence"))
        path = writeFile(QStringLiteral("frames.CSV"), sequence({ { 10, 110 }, { 11, 111 } }));
    else if (kind == QLatin1String("picture"))
        path = writeFile(QStringLiteral("board.png"), QByteArray("\x89PNG\r\n\x1a\n", 8));
    else if (kind == QLatin1String("other xml"))
        path = writeFile(QStringLiteral("other.xml"), QByteArray("<?xml version=\"1.0\"?><svg/>"));
    else if (kind == QLatin1String("prose"))
        path = writeFile(
            QStringLiteral("notes.csv"), QByteArray("Dear designer,\nthe show starts at eight.\n"));
    else if (kind == QLatin1String("binary"))
        path = writeFile(QStringLiteral("data.csv"), QByteArray("0,1\n1,\0\0\x01", 9));
    else
        path = m_dir.filePath(QStringLiteral("gone.csv"));
    QVERIFY(!path.isEmpty());
    AbstractDocument* before = m_window->document();
    const int steps = document() ? document()->edits()->history()->count() : 0;

    QVERIFY(drop(path));

    if (message.isEmpty()) {
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join(QLatin1Char('\n'))));
    } else {
        QCOMPARE(m_messages.size(), 1);
        QVERIFY2(m_messages.first().contains(message), qPrintable(m_messages.first()));
    }
    if (frames < 0) {
        QVERIFY(!m_window->document());
        return;
    }
    QVERIFY(document());
    QCOMPARE(program()->childCount(), frames);
    if (kind == QLatin1String("document")) {
        QCOMPARE(QFileInfo(m_window->document()->filePath()), QFileInfo(path));
    } else {
        QCOMPARE(m_window->document(), before);
        // A drop is one step, or none when refused.
        QCOMPARE(
            document()->edits()->history()->count(), steps + (kind == QLatin1String("sequence") ? 1 : 0));
    }
}

void tst_Drops::sequenceGoesAfterCurrentFrame_data()
{
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<QVector<int>>>("expected");
    const QVector<int> a { 1 }, b { 2 }, c { 3 }, x { 10, 110 }, y { 11, 111 };
    QTest::addRow("after the first frame") << 0 << QList<QVector<int>> { a, x, y, b, c };
    QTest::addRow("after the last frame") << 2 << QList<QVector<int>> { a, b, c, x, y };
    QTest::addRow("program selected: at its end") << -1 << QList<QVector<int>> { a, b, c, x, y };
}

void tst_Drops::sequenceGoesAfterCurrentFrame()
{
    QFETCH(int, current);
    QFETCH(QList<QVector<int>>, expected);
    open(QStringLiteral("1.0"),
        { DocumentFiles::frame({ 1 }), DocumentFiles::frame({ 2 }), DocumentFiles::frame({ 3 }) });
    selectFrame(current);
    const QList<QVector<int>> before = programFrames();

    QVERIFY(drop(writeFile(QStringLiteral("frames.csv"), sequence({ { 10, 110 }, { 11, 111 } }))));
    QCOMPARE(programFrames(), expected);
    QVERIFY(m_window->isWindowModified());
    QVERIFY(m_window->statusBar()->currentMessage().contains(QStringLiteral("Added 2 LED frames")));
    // The last frame added is the current one, as after Generate.
    QCOMPARE(document()->commandTreeView()->currentItem(),
        program()->child(expected.indexOf(QVector<int> { 11, 111 })));

    // One undo step takes the whole drop back.
    document()->edits()->history()->undo();
    QCOMPARE(programFrames(), before);
    document()->edits()->history()->redo();
    QCOMPARE(programFrames(), expected);
}

void tst_Drops::randomSequencesKeepTheirValues()
{
    open(QStringLiteral("1.0"), { DocumentFiles::frame({ 0 }) });
    QRandomGenerator* random = QRandomGenerator::global();
    for (int round = 0; round < 5; ++round) {
        selectFrame(program()->childCount() - 1);
        QList<QVector<int>> lit;
        for (int f = 1 + random->bounded(6); f > 0; --f) {
            QVector<int> on;
            for (int led = 0; led < LedStatesCommand::LedCount; ++led) {
                if (random->bounded(4) == 0)
                    on << led;
            }
            lit << on;
        }
        const QList<QVector<int>> before = programFrames();
        QVERIFY(drop(writeFile(QStringLiteral("random.csv"), sequence(lit, "\r\n"))));
        QCOMPARE(programFrames(), before + lit);
    }
}

void tst_Drops::documentDropAsksToSaveFirst_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("replaced");
    QTest::addRow("Cancel keeps the document") << int(QMessageBox::Cancel) << false;
    QTest::addRow("Discard opens the dropped one") << int(QMessageBox::Discard) << true;
}

void tst_Drops::documentDropAsksToSaveFirst()
{
    QFETCH(int, answer);
    QFETCH(bool, replaced);
    open(QStringLiteral("1.0"), { DocumentFiles::frame({ 1 }) });
    AbstractDocument* first = m_window->document();
    QVERIFY(drop(writeFile(QStringLiteral("frames.csv"), sequence({ { 4 } }))));
    QVERIFY(first->isModified());

    m_answer = QMessageBox::StandardButton(answer);
    const QString other = documentFile(QStringLiteral("1.0"), { DocumentFiles::frame({ 9 }) });
    QVERIFY(drop(other));
    QCOMPARE(m_messages.size(), 1);
    QVERIFY(m_messages.first().contains(QStringLiteral("modified")));
    if (replaced)
        QCOMPARE(QFileInfo(m_window->document()->filePath()), QFileInfo(other));
    else
        QCOMPARE(m_window->document(), first);
}

void tst_Drops::reportPaneTakesNoDrop()
{
    open(QStringLiteral("1.0"), { DocumentFiles::frame({ 1 }) });
    AbstractDocument* first = m_window->document();
    auto* pane = m_window->findChild<QTextEdit*>(QStringLiteral("textEdit"));
    m_window->log(QStringLiteral("a report line"));
    QVERIFY(pane->isReadOnly());
    QVERIFY(!pane->acceptDrops());

    const QString other = documentFile(QStringLiteral("1.0"), { DocumentFiles::frame({ 9 }) });
    QVERIFY(!drop(other, centreOf("textEdit")));

    // Text dragged onto the pane itself goes nowhere either.
    QMimeData text;
    text.setText(QStringLiteral("typed over the report"));
    const QPoint inside = pane->viewport()->rect().center();
    QDragEnterEvent enter(inside, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pane->viewport(), &enter);
    QVERIFY(!enter.isAccepted());
    QDropEvent dropped(inside, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(pane->viewport(), &dropped);

    QCOMPARE(m_window->document(), first);
    QVERIFY(!first->isModified());
    QCOMPARE(pane->toPlainText(), QStringLiteral("a report line"));
    QVERIFY(m_messages.isEmpty());
}

void tst_Drops::dragAnnouncesWhatADropDoes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("offered");
    QTest::addColumn<QString>("announced");
    QTest::addRow("document") << "document" << int(Qt::CopyAction) << "Drop to open";
    QTest::addRow("sequence") << "sequence" << int(Qt::CopyAction) << "after the current frame";
    QTest::addRow("other") << "other" << int(Qt::CopyAction) << "The window takes a panel document";
    // Taking a move-only drag would delete the file.
    QTest::addRow("move only refused") << "document" << int(Qt::MoveAction) << "";
}

void tst_Drops::dragAnnouncesWhatADropDoes()
{
    QFETCH(QString, file);
    QFETCH(int, offered);
    QFETCH(QString, announced);
    open(QStringLiteral("1.0"), { DocumentFiles::frame({ 1 }) });
    AbstractDocument* first = m_window->document();
    const QString path = file == QLatin1String("document")
        ? documentFile(QStringLiteral("1.0"), {})
        : writeFile(
            file == QLatin1String("sequence") ? QStringLiteral("a.csv") : QStringLiteral("a.txt"), "x");
    QMimeData data;
    data.setUrls({ QUrl::fromLocalFile(path) });
    const auto actions = Qt::DropActions(offered);
    QDragEnterEvent enter(centreOf("stackedWidget"), actions, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_window.get(), &enter);
    QCOMPARE(enter.isAccepted(), !announced.isEmpty());
    if (announced.isEmpty()) {
        QDropEvent dropped(centreOf("stackedWidget"), actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &dropped);
        QVERIFY(!dropped.isAccepted());
        QCOMPARE(m_window->document(), first);
        QVERIFY(QFile::exists(path));
        return;
    }
    QVERIFY2(m_window->statusBar()->currentMessage().contains(announced),
        qPrintable(m_window->statusBar()->currentMessage()));
    QCOMPARE(DropHandler::kindOf(&data) == DropHandler::Kind::Other, file == QLatin1String("other"));
    QDragLeaveEvent leave;
    QApplication::sendEvent(m_window.get(), &leave);
    QVERIFY(m_window->statusBar()->currentMessage().isEmpty());
}

QTEST_MAIN(tst_Drops)
#include "tst_drops.moc"
