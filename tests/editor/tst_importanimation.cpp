#include "EditorTestCase.h"
#include "KamdelDocument.h"
#include "dialogs/ImportAnimationDialog.h"
#include "dialogs/Questions.h"
#include "edits/DocumentEdits.h"
#include "formats/AnimationExport.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "player/RingFrameImage.h"
#include "views/CommandTreeMenu.h"
#include "views/CommandTreeView.h"
#include "views/LedPanelScene_Ring.h"

#include "edits/EditHistory.h"
#include <QCheckBox>
#include <QFileDialog>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

namespace {

using Frame = QVector<int>;

Frame lit(const QVector<int>& on)
{
    Frame frame(192, 0);
    for (int led : on)
        frame[led] = 1;
    return frame;
}

Frame valuesOf(const AbstractTreeItem* item)
{
    Frame values;
    for (const LedCell* cell : static_cast<const LedStatesCommand*>(item)->leds())
        values << cell->value();
    return values;
}

} // namespace

// Import animation from the File menu and the tree's menu, with the
// dialog's options and previews.
class tst_ImportAnimation : public EditorTestCase
{
    Q_OBJECT

public:
    tst_ImportAnimation()
        : EditorTestCase(true)
    {
    }

private slots:
    void cleanup();
    void importGoesAfterTheCurrentFrame_data();
    void importGoesAfterTheCurrentFrame();
    void dialogShowsWhatIsImported();
    void nothingChanges_data();
    void nothingChanges();
    void slowReadCanBeLeft_data();
    void slowReadCanBeLeft();

private:
    // A GIF of the frames as the export draws them from the board's side.
    QString gifOf(const QList<Frame>& frames);
    KamdelDocument* document() const { return qobject_cast<KamdelDocument*>(m_window->document()); }
    ProgramItem* program() const { return document()->deviceItem()->program(0); }
    // The Program's commands: each frame's values, an empty list for the
    // others.
    QList<Frame> programFrames() const
    {
        QList<Frame> frames;
        for (const AbstractTreeItem* child : program()->children())
            frames << (child->type() == AbstractTreeItem::LedStates ? valuesOf(child) : Frame());
        return frames;
    }

    std::unique_ptr<Questions::Scope> m_importAnswers;
};

void tst_ImportAnimation::cleanup()
{
    m_importAnswers.reset();
    closeWindow();
}

QString tst_ImportAnimation::gifOf(const QList<Frame>& frames)
{
    QByteArray image;
    for (const Frame& frame : frames) {
        QByteArray command(25, '\0');
        command[0] = 0x03;
        for (int led = 0; led < 192; ++led) {
            if (frame.at(led))
                command[1 + led / 8] = char(command.at(1 + led / 8) | 1 << (led % 8));
        }
        image += command;
    }
    AnimationExport::Options options;
    options.size = 160;
    options.side = document()->panelScene()->side();
    const QString path = newPath(QStringLiteral("frames")) + QStringLiteral(".gif");
    QString error;
    if (!AnimationExport::writeGif(image + char(0), PanelProgram::Variant::LsbFirst, options, path, &error))
        return QString();
    return path;
}

void tst_ImportAnimation::importGoesAfterTheCurrentFrame_data()
{
    QTest::addColumn<bool>("fromTree");
    QTest::addColumn<int>("currentRow");
    QTest::addColumn<int>("firstNewRow");
    QTest::addColumn<bool>("atEnd");
    QTest::addColumn<QString>("where"); // what the dialog says
    // The Program holds frames 1 and 2, then a Stop; -1 makes the Program
    // itself the current item.
    QTest::addRow("File menu, after frame 1") << false << 0 << 1 << false << "after frame #1";
    QTest::addRow("File menu, Program current") << false << -1 << 3 << false << "after frame #2";
    QTest::addRow("tree menu, after frame 2") << true << 1 << 2 << false << "after frame #2";
    QTest::addRow("tree menu, Program current") << true << -1 << 3 << false << "after frame #2";
    QTest::addRow("frame 1 current, at the end") << false << 0 << 2 << true << "at the end, after frame #2";
}

void tst_ImportAnimation::importGoesAfterTheCurrentFrame()
{
    QFETCH(bool, fromTree);
    QFETCH(int, currentRow);
    QFETCH(int, firstNewRow);
    QFETCH(bool, atEnd);
    QFETCH(QString, where);
    open(QStringLiteral("1.0"),
        { DocumentFiles::frame({ 1 }), DocumentFiles::frame({ 2 }), DocumentFiles::stop() });
    const QList<Frame> imported { lit({ 0, 50, 191 }), lit({}), lit({ 47, 48, 96, 144 }) };
    const QString gif = gifOf(imported);
    QVERIFY(!gif.isEmpty());
    m_importAnswers = std::make_unique<Questions::Scope>();
    m_importAnswers->pictures = [gif](QWidget*) { return QStringList { gif }; };
    QString said;
    m_importAnswers->importOptions = [&](ImportAnimationDialog& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("atEndBox"))->setChecked(atEnd);
        said = dialog.findChild<QLabel*>(QStringLiteral("whereLabel"))->text();
        return true;
    };
    CommandTreeView* tree = document()->commandTreeView();
    AbstractTreeItem* current = currentRow < 0 ? program() : program()->child(currentRow);
    tree->setCurrentIndex(document()->treeModel()->indexOf(current));
    EditHistory* history = document()->edits()->history();
    const int steps = history->count();

    if (fromTree)
        tree->menu()->importAnimationAction()->trigger();
    else
        action("action_ImportAnimation")->trigger();

    QVERIFY2(m_window->warnings.isEmpty(), qPrintable(m_window->warnings.join(QLatin1Char('\n'))));
    QCOMPARE(said, QStringLiteral("The frames go %1.").arg(where));
    const QList<Frame> before { lit({ 1 }), lit({ 2 }), Frame() };
    QList<Frame> expected = before;
    for (int i = 0; i < imported.size(); ++i)
        expected.insert(firstNewRow + i, imported.at(i));
    QCOMPARE(programFrames(), expected);
    QCOMPARE(tree->currentItem(), program()->child(firstNewRow + imported.size() - 1));
    QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("3 frames imported"));
    QCOMPARE(history->count(), steps + 1);
    QCOMPARE(history->undoText(), QStringLiteral("Import Animation"));
    history->undo();
    QCOMPARE(programFrames(), before);
}

// The dialog starts from the side the board shows; its choices and
// previews are what goes into the document.
void tst_ImportAnimation::dialogShowsWhatIsImported()
{
    open(QStringLiteral("1.0"), { DocumentFiles::frame({ 1 }) });
    const QList<Frame> imported { lit({ 3 }), lit({ 4, 5 }), lit({ 6 }) };
    const QString gif = gifOf(imported);
    const eLedPanelSide side = document()->panelScene()->side();
    QImage source;
    QImage result;
    bool sideShown = false;
    m_importAnswers = std::make_unique<Questions::Scope>();
    m_importAnswers->pictures = [gif](QWidget*) { return QStringList { gif }; };
    m_importAnswers->importOptions = [&](ImportAnimationDialog& dialog) {
        sideShown = dialog.options().side == side && dialog.options().threshold == 50;
        AnimationImport::Options options = dialog.options();
        options.first = 1;
        options.count = 1;
        options.invert = true;
        dialog.setOptions(options);
        dialog.setPreviewFrame(1);
        source = dialog.sourcePreview();
        result = dialog.resultPreview();
        return true;
    };
    action("action_ImportAnimation")->trigger();
    QVERIFY(sideShown);
    Frame inverted = imported.at(1);
    for (int& value : inverted)
        value = 1 - value;
    QCOMPARE(programFrames(), (QList<Frame> { lit({ 1 }), inverted }));

    RingFrameImage::Leds leds;
    for (int led = 0; led < 192; ++led)
        leds[size_t(led)] = inverted.at(led) != 0;
    const RingFrameImage drawing(result.width(), side);
    QCOMPARE(result, drawing.image(leds));
    QVERIFY(!source.isNull());
    QCOMPARE(source.width(), result.width());
}

void tst_ImportAnimation::nothingChanges_data()
{
    QTest::addColumn<QString>("contents");
    QTest::addColumn<bool>("accept");
    QTest::addColumn<QString>("warning");
    QTest::addRow("no file picked") << QString() << true << QString();
    QTest::addRow("dialog canceled") << QStringLiteral("gif") << false << QString();
    QTest::addRow("not a picture") << QStringLiteral("plain text") << true << QStringLiteral("not a picture");
    QTest::addRow("truncated") << QStringLiteral("cut") << true << QStringLiteral("truncated or corrupt");
}

void tst_ImportAnimation::nothingChanges()
{
    QFETCH(QString, contents);
    QFETCH(bool, accept);
    QFETCH(QString, warning);
    open(QStringLiteral("1.0"), { DocumentFiles::frame({ 1 }) });
    QStringList files;
    if (!contents.isEmpty()) {
        const QString gif = gifOf({ lit({ 2 }), lit({ 3 }) });
        QFile file(gif);
        QVERIFY(file.open(QIODevice::ReadWrite));
        if (contents == QLatin1String("cut")) {
            file.resize(file.size() / 2);
        } else if (contents != QLatin1String("gif")) {
            file.resize(0);
            file.write(contents.toUtf8());
        }
        files << gif;
    }
    m_importAnswers = std::make_unique<Questions::Scope>();
    if (!files.isEmpty())
        m_importAnswers->pictures = [files](QWidget*) { return files; };
    m_importAnswers->importOptions = [accept](ImportAnimationDialog&) { return accept; };
    // Unanswered, the pictures' own dialog asks, proposing no name.
    QStringList proposed { QStringLiteral("no dialog") };
    if (files.isEmpty()) {
        QTimer::singleShot(0, m_window.get(), [&proposed] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                proposed = dialog->selectedFiles();
                dialog->reject();
            }
        });
    }
    const int steps = document()->edits()->history()->count();
    document()->commandTreeView()->menu()->importAnimationAction()->trigger();
    QCOMPARE(proposed, files.isEmpty() ? QStringList() : QStringList { QStringLiteral("no dialog") });
    QCOMPARE(programFrames(), QList<Frame> { lit({ 1 }) });
    QCOMPARE(document()->edits()->history()->count(), steps);
    QCOMPARE(m_window->warnings.size(), warning.isEmpty() ? 0 : 1);
    if (!warning.isEmpty())
        QVERIFY2(m_window->warnings.first().contains(warning), qPrintable(m_window->warnings.first()));

    // Without a document there is nothing to import into.
    m_window->closeDocument();
    QVERIFY(!action("action_ImportAnimation")->isEnabled());
    m_window->importAnimation();
    QVERIFY(m_window->statusBar()->currentMessage().contains(QLatin1String("No document")));
}

void tst_ImportAnimation::slowReadCanBeLeft_data()
{
    QTest::addColumn<bool>("closeDocument");
    QTest::addRow("Cancel clicked") << false;
    QTest::addRow("document closed") << true;
}

// A long read shows its progress, keeps the window answering, and is left.
void tst_ImportAnimation::slowReadCanBeLeft()
{
    QFETCH(bool, closeDocument);
    open(QStringLiteral("1.0"), { DocumentFiles::frame({ 1 }) });
    QImage big(2048, 2048, QImage::Format_RGB32);
    big.fill(Qt::white);
    const QString picture = newPath(QStringLiteral("big")) + QStringLiteral(".png");
    QVERIFY(big.save(picture));
    m_importAnswers = std::make_unique<Questions::Scope>();
    m_importAnswers->pictures = [picture](QWidget*) { return QVector<QString>(400, picture).toList(); };
    m_importAnswers->importOptions = [](ImportAnimationDialog&) { return true; };
    bool leftMidway = false;
    QTimer poll;
    connect(&poll, &QTimer::timeout, m_window.get(), [&] {
        auto* progress = m_window->findChild<QProgressDialog*>();
        if (!progress || !progress->isVisible() || progress->value() < 1)
            return;
        poll.stop();
        leftMidway = progress->value() < progress->maximum();
        if (closeDocument)
            m_window->closeDocument();
        else
            QTest::mouseClick(progress->findChild<QPushButton*>(), Qt::LeftButton);
    });
    poll.start(10);
    action("action_ImportAnimation")->trigger();
    QVERIFY(leftMidway);
    QVERIFY(m_window->warnings.isEmpty());
    if (closeDocument)
        return;
    QCOMPARE(programFrames(), QList<Frame> { lit({ 1 }) });
    QVERIFY(!document()->isModified());
}

QTEST_MAIN(tst_ImportAnimation)
#include "tst_importanimation.moc"
