#include "KamdelDocument.h"
#include "KamdelPanel1.h"
#include "dialogs/FileDialogs.h"
#include "dialogs/Questions.h"
#include "document/TreeOutline.h"
#include "views/CommandTreeMenu.h"
#include "views/CommandTreeView.h"
#include "views/LedItem.h"
#include "views/LedPanelScene_Ring.h"
#include "views/LedPanelTableView.h"
#include "views/WidgetStack.h"

#include <QAction>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

const QString Filter = QStringLiteral("LED panel Sequence (*.csv);;All files (*)");

// Frame n has LED n on, so that every line of a file tells its frame.
const QString Start = QStringLiteral("program=Program: frame0=frame 0, reset=reset, frame1=frame 1; "
                                     "function=Collection: frame2=frame 2; empty=Collection:");

// A new ZQ-RING-A document holding the tree above, shown as in the editor.
struct Document
{
    Document()
    {
        document->resize(900, 600);
        document->show();
        view->expandAll();
    }

    void setCurrent(const QString& name) const
    {
        view->selectionModel()->setCurrentIndex(
            tree.model->indexOf(tree[name]), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }

    std::unique_ptr<KamdelDocument> document { KamdelPanel1::newDocument() };
    CommandTreeView* view = document->commandTreeView();
    WidgetStack* stack = document->findChild<WidgetStack*>();
    TreeOutline tree { Start, document->edits() };
};

// Answers the file dialogs and message boxes in place of a person and
// records what they were asked.
struct Dialogs
{
    explicit Dialogs(QString answer = QString())
        : answer(std::move(answer))
    {
        answers.fileName = [this](const Questions::FileName& request) {
            files << request;
            return this->answer;
        };
        answers.message = [this](QWidget*, const Questions::Message& request) {
            warnings << request;
            return QMessageBox::Ok;
        };
    }

    QString answer;
    QList<Questions::FileName> files;
    QList<Questions::Message> warnings;
    Questions::Scope answers;
};

// A frame with the given LEDs on.
QVector<int> lit(std::initializer_list<int> on)
{
    QVector<int> result(LedStatesCommand::LedCount, 0);
    for (int k : on)
        result[k] = 1;
    return result;
}

QByteArray header()
{
    QByteArrayList numbers;
    for (int k = 0; k < LedStatesCommand::LedCount; ++k)
        numbers << QByteArray::number(k);
    return numbers.join(',');
}

QByteArray line(const QVector<int>& frame)
{
    QByteArrayList numbers;
    for (int value : frame)
        numbers << QByteArray::number(value);
    return numbers.join(',');
}

// A sequence file as we write it: header, then the frames.
QByteArray sequence(const QList<QVector<int>>& frames)
{
    QByteArray bytes = header() + '\n';
    for (const QVector<int>& frame : frames)
        bytes += line(frame) + "\r\n";
    return bytes;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(bytes);
    return file.fileName();
}

} // namespace

class tst_SequenceMenu : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();
    void menuReachesSlots_data();
    void menuReachesSlots();
    void dialogsStartInLastFolder();
    void exportThroughView_data();
    void exportThroughView();
    void exportFailureWarns();
    void importThroughView_data();
    void importThroughView();
    void importShowsOnBoardAndTable();
    void importBadInput_data();
    void importBadInput();
    void notOfferedElsewhere_data();
    void notOfferedElsewhere();

private:
    QTemporaryDir m_dir;
};

void tst_SequenceMenu::cleanup()
{
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(!QApplication::activePopupWidget());
}

// Import and export share the folder last chosen for a sequence, kept in the
// store that the program gives.
void tst_SequenceMenu::dialogsStartInLastFolder()
{
    QHash<QString, QString> kept;
    FileDialogs::setFolderStore({ [&kept](const QString& kind) { return kept.value(kind); },
        [&kept](const QString& kind, const QString& folder) { kept.insert(kind, folder); } });
    QTemporaryDir other;
    Document doc;
    Dialogs dialogs(writeFile(other, "chosen.csv", sequence({ lit({ 1 }) })));
    doc.setCurrent("program");
    doc.view->importSequence();
    dialogs.answer.clear();
    doc.view->exportSequence();
    FileDialogs::setFolderStore({});

    QCOMPARE(dialogs.files.size(), 2);
    QCOMPARE(dialogs.files.at(1).start, QFileInfo(other.path()).absoluteFilePath());
    QCOMPARE(kept.keys(), QStringList { "Sequences" });
}

void tst_SequenceMenu::menuReachesSlots_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("import");

    for (const char* item : { "program", "frame0", "function", "frame2", "empty" }) {
        QTest::addRow("import on %s", item) << item << true;
        QTest::addRow("export on %s", item) << item << false;
    }
}

// Each entry asks for its file with the right dialog; cancelling it changes
// nothing and writes nothing.
void tst_SequenceMenu::menuReachesSlots()
{
    QFETCH(QString, item);
    QFETCH(bool, import);

    FileDialogs::setFolderStore({});
    Document doc;
    Dialogs dialogs;
    QSignalSpy messages(doc.view, &CommandTreeView::showMessage);
    QVERIFY(messages.isValid());
    const int children = doc.tree[item]->childCount();
    doc.setCurrent(item);
    CommandTreeMenu* menu = doc.view->menu();
    menu->prepare(doc.tree[item]);
    QAction* action = import ? menu->importSequenceAction() : menu->exportSequenceAction();
    QVERIFY(action->isVisible());
    action->trigger();

    QCOMPARE(dialogs.files.size(), 1);
    const Questions::FileName& request = dialogs.files.first();
    QCOMPARE(request.mode, import ? Questions::Open : Questions::Save);
    QCOMPARE(request.caption, import ? QStringLiteral("Import sequence") : QStringLiteral("Export sequence"));
    // Never the program's folder: installed, it is a system folder.
    QCOMPARE(request.start, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    QCOMPARE(request.filter, Filter);
    QVERIFY(!doc.document->isModified());
    QCOMPARE(doc.tree[item]->childCount(), children);
    QCOMPARE(messages.count(), 0);
    QVERIFY(dialogs.warnings.isEmpty());
}

void tst_SequenceMenu::exportThroughView_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QList<QVector<int>>>("frames");

    const QList<QVector<int>> program { lit({ 0 }), lit({ 1 }) };
    QTest::addRow("program, the reset skipped") << "program" << program;
    QTest::addRow("frame stands for its program") << "frame1" << program;
    QTest::addRow("collection") << "function" << QList<QVector<int>> { lit({ 2 }) };
    QTest::addRow("frame stands for its collection") << "frame2" << QList<QVector<int>> { lit({ 2 }) };
    QTest::addRow("collection without frames: header alone") << "empty" << QList<QVector<int>>();
}

void tst_SequenceMenu::exportThroughView()
{
    QFETCH(QString, item);
    QFETCH(QList<QVector<int>>, frames);

    Document doc;
    const QString path = m_dir.filePath(QStringLiteral("export-%1.csv").arg(QTest::currentDataTag()));
    Dialogs dialogs(path);
    QSignalSpy messages(doc.view, &CommandTreeView::showMessage);
    doc.setCurrent(item);
    doc.view->exportSequence();

    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), sequence(frames));
    QVERIFY(!doc.document->isModified());
    QVERIFY(dialogs.warnings.isEmpty());
    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.first().first().toString().contains(QDir::toNativeSeparators(path)));
}

void tst_SequenceMenu::exportFailureWarns()
{
    Document doc;
    Dialogs dialogs(m_dir.filePath("missing/folder/out.csv"));
    QSignalSpy messages(doc.view, &CommandTreeView::showMessage);
    doc.setCurrent("program");
    doc.view->exportSequence();

    QCOMPARE(dialogs.warnings.size(), 1);
    QCOMPARE(dialogs.warnings.first().icon, QMessageBox::Warning);
    QCOMPARE(dialogs.warnings.first().title, QCoreApplication::applicationName());
    QVERIFY(dialogs.warnings.first().text.startsWith("Cannot write file"));
    QCOMPARE(messages.count(), 0);
    QVERIFY(!doc.document->isModified());
}

void tst_SequenceMenu::importThroughView_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QString>("outline"); // the document's, after the import

    // The file's frames: LEDs 10 and 20, LED 30, LED 191.
    const QString program = QString(Start).replace(
        "frame 0, reset=reset, frame1=frame 1", "frame 10+20, reset=reset, frame1=frame 30, frame 191");
    const QString function = QString(Start).replace("frame 2", "frame 10+20, frame 30, frame 191");
    const QString empty = Start + " frame 10+20, frame 30, frame 191";
    QTest::addRow("program: two overwritten, one appended after the reset") << "program"
                                                                            << "program" << program;
    QTest::addRow("frame stands for its program") << "frame1"
                                                  << "program" << program;
    QTest::addRow("collection: one overwritten, two appended") << "function"
                                                               << "function" << function;
    QTest::addRow("frame stands for its collection") << "frame2"
                                                     << "function" << function;
    QTest::addRow("collection without frames") << "empty"
                                               << "empty" << empty;
}

void tst_SequenceMenu::importThroughView()
{
    QFETCH(QString, item);
    QFETCH(QString, container);
    QFETCH(QString, outline);

    Document doc;
    const QList<QVector<int>> rows { lit({ 10, 20 }), lit({ 30 }), lit({ 191 }) };
    Dialogs dialogs(writeFile(m_dir, "import.csv", sequence(rows)));
    QSignalSpy messages(doc.view, &CommandTreeView::showMessage);
    doc.setCurrent(item);
    doc.view->importSequence();

    // Lists the import was not asked about stay as they were.
    QCOMPARE(doc.tree.outline(), outline);
    // The tree shows the frames the import added.
    AbstractTreeItem* list = doc.tree[container];
    QCOMPARE(doc.tree.model->rowCount(doc.tree.model->indexOf(list)), list->childCount());
    QVERIFY(doc.view->isExpanded(doc.tree.model->indexOf(list)));
    QVERIFY(doc.document->isModified());
    QVERIFY(dialogs.warnings.isEmpty());
    QCOMPARE(messages.count(), 1);
    QVERIFY(messages.first().first().toString().contains("3"));
}

// The board and the LED table show the imported values at once.
void tst_SequenceMenu::importShowsOnBoardAndTable()
{
    Document doc;
    AbstractLedPanelScene* scene = doc.document->panelScene();
    QVERIFY(scene);
    doc.setCurrent("frame1");
    QCOMPARE(scene->shownFrame(), doc.tree.frame("frame1"));
    QVERIFY(QTest::qWaitForWindowExposed(doc.document.get()));
    QCoreApplication::processEvents();

    QSignalSpy repainted(scene, &QGraphicsScene::changed);
    QVERIFY(repainted.isValid());
    Dialogs dialogs(writeFile(m_dir, "board.csv", sequence({ lit({ 5 }), lit({ 7, 100 }) })));
    doc.view->importSequence();

    QCOMPARE(scene->shownFrame(), doc.tree.frame("frame1"));
    QVector<int> shown;
    for (const LedItem* led : scene->ledItems())
        shown << (led->current() ? led->current()->value() : -1);
    QCOMPARE(shown, lit({ 7, 100 }));
    QTRY_VERIFY(repainted.count() > 0);

    // The table on both frames of the program.
    doc.setCurrent("frame0");
    doc.view->selectionModel()->select(doc.tree.model->indexOf(doc.tree.frame("frame1")),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    doc.view->tableEdit();
    QCOMPARE(doc.stack->currentIndex(), int(WidgetStack::TablePage));
    QAbstractItemModel* table = doc.stack->tableView()->model();
    QCOMPARE(table->data(table->index(0, 5)).toInt(), 1);
    QSignalSpy refreshed(table, &QAbstractItemModel::dataChanged);

    dialogs.answer = writeFile(m_dir, "table.csv", sequence({ lit({ 6 }), lit({ 48 + 3 }) }));
    doc.view->importSequence();

    QVERIFY(refreshed.count() > 0);
    QCOMPARE(doc.stack->currentIndex(), int(WidgetStack::TablePage));
    QCOMPARE(table->data(table->index(0, 5)).toInt(), 0);
    QCOMPARE(table->data(table->index(0, 6)).toInt(), 1);
    // Frame 1 starts at table row 4; LED 51 is its row 1, column 3.
    QCOMPARE(table->data(table->index(5, 3)).toInt(), 1);
    QCOMPARE(table->data(table->index(4, 7)).toInt(), 0);
}

void tst_SequenceMenu::importBadInput_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("warned");
    QTest::addColumn<bool>("changed");

    QTest::addRow("empty file") << QByteArray() << true << false;
    QTest::addRow("blank lines") << QByteArray("\r\n\n   \n") << true << false;
    QTest::addRow("header alone") << header() + '\n' << true << false;
    QTest::addRow("prose on one line") << QByteArray("Dear reader, this is no table.") << true << false;
    QTest::addRow("prose on several lines")
        << QByteArray("Minutes of the meeting\nNothing was decided, as usual.\nNext meeting: soon.\n") << true
        << false;
    QByteArray binary(8192, '\0');
    for (int i = 0; i < binary.size(); ++i)
        binary[i] = char((i * 131 + 7) & 0xFF);
    QTest::addRow("binary") << binary << true << false;
    QTest::addRow("missing file") << QByteArray("<missing>") << true << false;

    QByteArray wideHeader;
    QByteArray wideRow;
    for (int k = 0; k < 100000; ++k) {
        wideHeader += QByteArray::number(k) + ',';
        wideRow += k == 40 ? "1," : "0,";
    }
    // Far wider than a sequence: refused at its first line.
    QTest::addRow("lines of 100,000 fields") << wideHeader + '\n' + wideRow + '\n' + wideRow + '\n'
                                             << true << false;
}

// No crash and no loss: nothing changes unless the file yields LED values.
void tst_SequenceMenu::importBadInput()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, warned);
    QFETCH(bool, changed);

    Document doc;
    const QString path = bytes == "<missing>" ? m_dir.filePath("not-there.csv")
                                              : writeFile(m_dir, QStringLiteral("bad.csv"), bytes);
    Dialogs dialogs(path);
    doc.setCurrent("program");
    doc.view->importSequence();

    QCOMPARE(dialogs.warnings.size(), warned ? 1 : 0);
    if (warned)
        QVERIFY(dialogs.warnings.first().text.contains(QDir::toNativeSeparators(path)));
    QCOMPARE(doc.document->isModified(), changed);
    QCOMPARE(doc.tree.outline(doc.tree.program),
        QStringLiteral("program=Program: frame0=frame %1, reset=reset, frame1=frame %2")
            .arg(changed ? 40 : 0)
            .arg(changed ? 40 : 1));
}

void tst_SequenceMenu::notOfferedElsewhere_data()
{
    QTest::addColumn<QString>("item");
    for (const char* item : { "device", "reset" })
        QTest::addRow("%s", item) << item;
}

// Items that stand for no list of frames offer no sequence entries, and the
// slots do nothing for them.
void tst_SequenceMenu::notOfferedElsewhere()
{
    QFETCH(QString, item);
    Document doc;
    Dialogs dialogs(writeFile(m_dir, "any.csv", sequence({ lit({ 9 }) })));
    CommandTreeMenu* menu = doc.view->menu();
    menu->prepare(doc.tree[item]);
    QVERIFY(!menu->importSequenceAction()->isVisible());
    QVERIFY(!menu->exportSequenceAction()->isVisible());

    doc.setCurrent(item);
    doc.view->importSequence();
    doc.view->exportSequence();
    QVERIFY(dialogs.files.isEmpty());
    QVERIFY(!doc.document->isModified());
    QCOMPARE(doc.tree.outline(), Start);
}

QTEST_MAIN(tst_SequenceMenu)
#include "tst_sequencemenu.moc"
