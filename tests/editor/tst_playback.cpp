#include "EditorTestCase.h"
#include "KamdelDocument.h"
#include "LanesDock.h"
#include "MemoryGauge.h"
#include "PlaybackController.h"
#include "edits/DocumentEdits.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "views/CommandTreeView.h"
#include "views/LedPanelScene_Ring.h"
#include "views/LedPanelView.h"
#include "views/RingLanesView.h"

#include <QImageReader>
#include <QStatusBar>
#include <QtTest>

// Playback, the memory gauge and the exports in the editor window.
class tst_Playback : public EditorTestCase
{
    Q_OBJECT

public:
    tst_Playback()
        : EditorTestCase(true)
    {
    }

private slots:
    void gaugeFollowsEdits_data();
    void gaugeFollowsEdits();
    void stepsSelectTheFramesItems_data();
    void stepsSelectTheFramesItems();
    void playRunsToTheHold();
    void editWhilePlayingGoesOn();
    void spacePlaysOnlyOnTheBoard();
    void endOfProgramSaysSo_data();
    void endOfProgramSaysSo();
    void stepAfterStopShowsTheNextFrame();
    void animateFollowsThePlaybackSpeed_data();
    void animateFollowsThePlaybackSpeed();
    void exportsWriteFiles();

private:
    KamdelDocument* document() const { return qobject_cast<KamdelDocument*>(m_window->document()); }
    AbstractTreeItem* programItem(int row) const { return document()->deviceItem()->program(0)->child(row); }
    AbstractTreeItem* currentItem() const
    {
        return document()->treeModel()->itemFromIndex(document()->commandTreeView()->currentIndex());
    }
};

void tst_Playback::gaugeFollowsEdits_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("bytes");
    QTest::addRow("first model") << "1.0" << 2 << 51;
    QTest::addRow("second model") << "2.0" << 2 << 55;
    QTest::addRow("just full") << "1.0" << 320 << 8001;
    QTest::addRow("over") << "2.0" << 320 << 8005;
}

void tst_Playback::gaugeFollowsEdits()
{
    QFETCH(QString, version);
    QFETCH(int, frames);
    QFETCH(int, bytes);
    MemoryGauge* gauge = m_window->memoryGauge();
    QCOMPARE(gauge->bytes(), -1);
    QStringList commands;
    for (int i = 0; i < frames; ++i)
        commands << DocumentFiles::frame({ i % 192 });
    open(version, commands + QStringList { DocumentFiles::stop() });
    QCOMPARE(gauge->bytes(), bytes);
    QCOMPARE(gauge->text(), QStringLiteral("%1 of 8000 bytes").arg(bytes));
    QCOMPARE(gauge->isOverCapacity(), bytes > 8000);
    QCOMPARE(gauge->toolTip().contains(QLatin1String("cannot be written")), bytes > 8000);

    // Removing the Stop and adding a frame are seen at once.
    document()->edits()->removeItems({ programItem(frames) });
    QCOMPARE(gauge->bytes(), bytes - 1);
    document()->edits()->appendItem(new LedStatesCommand, document()->deviceItem()->program(0));
    QCOMPARE(gauge->bytes(), bytes - 1 + 25);
    m_window->closeDocument();
    QCOMPARE(gauge->bytes(), -1);
}

void tst_Playback::stepsSelectTheFramesItems_data()
{
    QTest::addColumn<QString>("version");
    QTest::addRow("first model") << "1.0";
    QTest::addRow("second model") << "2.0";
}

void tst_Playback::stepsSelectTheFramesItems()
{
    QFETCH(QString, version);
    using namespace DocumentFiles;
    // The lanes beside the board mark the row of the frame shown.
    m_window->lanesDock()->show();
    const LanePainter& lanes = m_window->lanesDock()->view()->lanes();
    // A Call the compiler leaves without a target is passed over.
    open(version,
        { frame({ 1 }), QStringLiteral("<Call/>"), frame({ 2 }), QStringLiteral("<Call/>"), frame({ 3 }),
            stop() });
    // Open shows the first frame; each step shows the next.
    QCOMPARE(currentItem(), programItem(0));
    const QList<int> expectedRows { 2, 4 };
    for (int row : expectedRows) {
        action("action_Step")->trigger();
        QCOMPARE(currentItem(), programItem(row));
        QCOMPARE(m_window->playback()->leds().count(), size_t(1));
        QCOMPARE(lanes.rows().at(lanes.currentRow()).item.data(), programItem(row));
    }
    // The neighbours' hints are off while a program plays.
    QVERIFY(!document()->panelScene()->adjacentShown());
    action("action_Step")->trigger();
    QVERIFY(m_window->statusBar()->currentMessage().contains(QLatin1String("STOP")));
    QVERIFY(document()->panelScene()->adjacentShown());
    // After the hold a step starts over.
    action("action_Step")->trigger();
    QCOMPARE(currentItem(), programItem(0));
}

void tst_Playback::playRunsToTheHold()
{
    using namespace DocumentFiles;
    QStringList commands;
    for (int i = 0; i < 40; ++i)
        commands << frame({ i });
    open(QStringLiteral("1.0"), commands + QStringList { QStringLiteral("<Return/>") });
    QSignalSpy shown(m_window->playback(), &PlaybackController::frameShown);
    QVERIFY(shown.isValid());
    action("action_Speed100")->trigger();
    QCOMPARE(m_window->playback()->framesPerSecond(), 100);
    action("action_Play")->trigger();
    QVERIFY(action("action_Play")->isChecked());
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->playback()->isPlaying(), 5000);
    QCOMPARE(shown.size(), 40);
    QCOMPARE(shown.last().at(0).toInt(), 40);
    QVERIFY(!action("action_Play")->isChecked());
    QVERIFY(m_window->statusBar()->currentMessage().contains(QLatin1String("RETURN")));
}

void tst_Playback::editWhilePlayingGoesOn()
{
    using namespace DocumentFiles;
    open(QStringLiteral("1.0"), { frame({ 1 }), frame({ 2 }), frame({ 3 }), reset() });
    action("action_Step")->trigger();
    QCOMPARE(currentItem(), programItem(1));
    // A frame put in after the one shown comes next; the one removed does not.
    auto* added = new LedStatesCommand;
    document()->edits()->insertItem(2, added, document()->deviceItem()->program(0));
    document()->edits()->removeItems({ programItem(3) });
    action("action_Step")->trigger();
    QCOMPARE(currentItem(), static_cast<AbstractTreeItem*>(added));
    action("action_Step")->trigger();
    QCOMPARE(currentItem(), programItem(0));
    QCOMPARE(m_window->playback()->framesShown(), 3);
}

void tst_Playback::spacePlaysOnlyOnTheBoard()
{
    open(QStringLiteral("1.0"), { DocumentFiles::frame({ 1 }), DocumentFiles::reset() });
    QApplication::setActiveWindow(m_window.get());
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    document()->commandTreeView()->setCurrentIndex(document()->treeModel()->indexOf(programItem(0)));
    document()->commandTreeView()->setFocus();
    QTest::keyClick(document()->commandTreeView(), Qt::Key_Space);
    QVERIFY(!m_window->playback()->isPlaying());
    QWidget* board = document()->ledPanelView();
    board->setFocus();
    QVERIFY(board->hasFocus());
    QTest::keyClick(board, Qt::Key_Space);
    QVERIFY(m_window->playback()->isPlaying());
    QTest::keyClick(board, Qt::Key_Space);
    QVERIFY(!m_window->playback()->isPlaying());

    // With the keyboard's focus mark shown, Space switches its LED; Escape
    // takes the mark away and Space plays again.
    action("action_StopPlayback")->trigger();
    document()->commandTreeView()->setCurrentItem(programItem(0));
    board->setFocus();
    auto* frame = qobject_cast<LedStatesCommand*>(programItem(0));
    QTest::keyClick(board, Qt::Key_Right);
    QTest::keyClick(board, Qt::Key_Space);
    QVERIFY(!m_window->playback()->isPlaying());
    QCOMPARE(frame->leds().at(0)->value(), 1);
    QVERIFY(document()->isModified());
    QTest::keyClick(board, Qt::Key_Escape);
    QTest::keyClick(board, Qt::Key_Space);
    QVERIFY(m_window->playback()->isPlaying());
}

void tst_Playback::endOfProgramSaysSo_data()
{
    QTest::addColumn<int>("frames");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("expected");
    QTest::addRow("one frame") << 1 << QString() << "Playback reached the end of the program after 1 frame.";
    QTest::addRow("three hundred frames")
        << 300 << QString() << "Playback reached the end of the program after 300 frames.";
    QTest::addRow("a Stop of the user's")
        << 2 << DocumentFiles::stop() << "Playback held after 2 frames: the program reached a Stop (STOP).";
}

void tst_Playback::endOfProgramSaysSo()
{
    QFETCH(int, frames);
    QFETCH(QString, last);
    QFETCH(QString, expected);
    QStringList commands;
    for (int i = 0; i < frames; ++i)
        commands << DocumentFiles::frame({ i % 192 });
    if (!last.isEmpty())
        commands << last;
    open(QStringLiteral("1.0"), commands);
    action("action_Speed100")->trigger();
    action("action_Play")->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->playback()->isPlaying(), 10000);
    QCOMPARE(m_window->statusBar()->currentMessage(), expected);
}

void tst_Playback::stepAfterStopShowsTheNextFrame()
{
    using namespace DocumentFiles;
    open(QStringLiteral("1.0"), { frame({ 1 }), frame({ 2 }), frame({ 3 }), frame({ 4 }), reset() });
    action("action_Step")->trigger();
    QCOMPARE(currentItem(), programItem(1));
    action("action_StopPlayback")->trigger();
    action("action_Step")->trigger();
    QCOMPARE(currentItem(), programItem(2));
    QCOMPARE(m_window->playback()->leds().count(), size_t(1));
    QVERIFY(m_window->playback()->leds().test(3));
    // A frame the user picks is where the next step goes on from.
    action("action_StopPlayback")->trigger();
    document()->commandTreeView()->setCurrentItem(programItem(0));
    action("action_Step")->trigger();
    QCOMPARE(currentItem(), programItem(1));
}

void tst_Playback::animateFollowsThePlaybackSpeed_data()
{
    QTest::addColumn<int>("speed");
    QTest::addColumn<int>("interval");
    for (int speed : PlaybackController::speeds())
        QTest::addRow("%d fps", speed) << speed << 1000 / speed;
}

void tst_Playback::animateFollowsThePlaybackSpeed()
{
    QFETCH(int, speed);
    QFETCH(int, interval);
    // The panel's own pace until another is chosen.
    QCOMPARE(m_window->animationInterval(), 10);
    QVERIFY(action("action_Speed100")->isChecked());
    action(qPrintable(QStringLiteral("action_Speed%1").arg(speed)))->trigger();
    QCOMPARE(m_window->animationInterval(), interval);
    QCOMPARE(m_window->playback()->framesPerSecond(), speed);
}

void tst_Playback::exportsWriteFiles()
{
    using namespace DocumentFiles;
    open(QStringLiteral("2.0"), { frame({ 1 }), frame({ 2 }), frame({ 3 }), reset() });
    m_window->animationOptions.size = 160;
    m_window->exportAnswer = m_dir.filePath(QStringLiteral("export.gif"));
    action("action_ExportAnimation")->trigger();
    QImageReader gif(m_window->exportAnswer);
    QCOMPARE(gif.imageCount(), 3);
    QCOMPARE(gif.size(), QSize(160, 160));

    // Open shows the first frame.
    m_window->exportAnswer = m_dir.filePath(QStringLiteral("frame.png"));
    action("action_ExportFrame")->trigger();
    QCOMPARE(QImage(m_window->exportAnswer).size(), QSize(256, 256));
    QVERIFY(m_window->warnings.isEmpty());
}

QTEST_MAIN(tst_Playback)
#include "tst_playback.moc"
