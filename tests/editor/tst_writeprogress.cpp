#include "EditorFixture.h"

#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

// Compile and Write against the virtual panel: progress, Cancel, and
// closing the window while blocks are going out.
class tst_WriteProgress : public QObject, protected EditorFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void progressCountsBlocks();
    void cancelStopsAfterTheCurrentBlock_data();
    void cancelStopsAfterTheCurrentBlock();
    void closeDuringWrite_data();
    void closeDuringWrite();
    void noDocumentIsSaid_data();
    void noDocumentIsSaid();

private:
    void openFrames(int count);
};

void tst_WriteProgress::initTestCase()
{
    QVERIFY(setUpEditor([](QWidget*, const MessageBoxes::Request&) { return QMessageBox::Discard; }));
}

void tst_WriteProgress::cleanupTestCase()
{
    tearDownEditor();
}

void tst_WriteProgress::init()
{
    QVERIFY(openWindow(true));
    m_window->show();
}

void tst_WriteProgress::cleanup()
{
    closeWindow();
}

void tst_WriteProgress::openFrames(int count)
{
    QStringList frames;
    for (int i = 0; i < count; ++i)
        frames << DocumentFiles::frame({ i % 192 });
    const QString path = documentFile(QStringLiteral("1.0"), frames);
    QVERIFY(!path.isEmpty());
    m_window->openDocument(path);
    QVERIFY(m_window->document());
}

void tst_WriteProgress::progressCountsBlocks()
{
    openFrames(5); // 125 bytes: four blocks
    QList<int> seen;
    bool shownWhileWriting = false;
    QString message;
    m_panel->onLine = [&](const QString& line) {
        if (!line.startsWith(QLatin1String("RX BLOCK")))
            return;
        seen << m_window->writeProgressBar()->value();
        shownWhileWriting = m_window->writeProgressBar()->isVisible()
            && m_window->cancelWriteButton()->isVisible() && m_window->writeProgressBar()->maximum() == 4;
        message = m_window->statusBar()->currentMessage();
    };
    action("action_CompileAndWrite")->trigger();
    QVERIFY(shownWhileWriting);
    QCOMPARE(message, QStringLiteral("Programming..."));
    QVERIFY(!seen.isEmpty());
    QVERIFY(std::is_sorted(seen.cbegin(), seen.cend()));
    QCOMPARE(m_window->writeProgressBar()->value(), 4);
    QVERIFY(!m_window->writeProgressBar()->isVisible());
    QVERIFY(!m_window->cancelWriteButton()->isVisible());
    QCOMPARE(m_window->statusBar()->currentMessage(), QStringLiteral("Programming finished!"));
}

void tst_WriteProgress::cancelStopsAfterTheCurrentBlock_data()
{
    QTest::addColumn<int>("cancelAt");
    QTest::addRow("after the first block") << 0;
    QTest::addRow("in the middle") << 3;
}

void tst_WriteProgress::cancelStopsAfterTheCurrentBlock()
{
    QFETCH(int, cancelAt);
    openFrames(20); // 500 bytes: 16 blocks
    m_panel->onLine = [&](const QString& line) {
        if (line == QStringLiteral("RX BLOCK %1 32").arg(cancelAt))
            m_window->cancelWriteButton()->click();
    };
    action("action_CompileAndWrite")->trigger();
    m_panel->settle();
    const QStringList received = m_panel->received();
    QVERIFY2(received.size() <= cancelAt + 2, qPrintable(received.join(QLatin1Char(','))));
    QVERIFY(!received.contains(QStringLiteral("RX RESET")));
    QVERIFY(!m_window->panelPort()->isOpen());
    QVERIFY(reportText().endsWith(QStringLiteral("Writing canceled: the panel holds an incomplete program.")));
    QVERIFY(!reportText().contains(QStringLiteral("finished")));
    QVERIFY(action("action_CompileAndWrite")->isEnabled());
    QVERIFY(!m_window->isWriting());
}

void tst_WriteProgress::closeDuringWrite_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addRow("stop and close") << true;
    QTest::addRow("keep writing") << false;
}

void tst_WriteProgress::closeDuringWrite()
{
    QFETCH(bool, answer);
    openFrames(6); // 150 bytes: five blocks
    m_window->stopWritingAnswer = answer;
    m_panel->onLine = [&](const QString& line) {
        if (line == QLatin1String("RX BLOCK 1 32"))
            m_window->close();
    };
    action("action_CompileAndWrite")->trigger();
    QCOMPARE(m_window->stopWritingQuestions, 1);
    QCOMPARE(m_window->isVisible(), !answer);
    QVERIFY(m_panel->waitFor(QStringLiteral("RX BLOCK 1 ")));
    m_panel->settle();
    QCOMPARE(m_panel->received().contains(QStringLiteral("RX BLOCK 4 32")), !answer);
    QCOMPARE(m_panel->received().contains(QStringLiteral("RX RESET")), !answer);
    QCOMPARE(reportText().contains(QStringLiteral("Writing canceled")), answer);
    // The document closed with the window, not under the running write.
    QCOMPARE(m_window->document() == nullptr, answer);
}

void tst_WriteProgress::noDocumentIsSaid_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("said");
    QTest::addRow("Compile and Write") << "action_CompileAndWrite"
                                       << "nothing to compile and write";
    QTest::addRow("Reset") << "action_Reset"
                           << "Reset goes to the program the panel holds";
    QTest::addRow("Next") << "action_Next"
                          << "Next goes to the program the panel holds";
    QTest::addRow("Play") << "action_Play"
                          << "nothing to play";
    QTest::addRow("Step") << "action_Step"
                          << "nothing to play";
    QTest::addRow("Export animation") << "action_ExportAnimation"
                                      << "nothing to export";
    QTest::addRow("Export frame") << "action_ExportFrame"
                                  << "nothing to export";
}

void tst_WriteProgress::noDocumentIsSaid()
{
    QFETCH(QString, actionName);
    QFETCH(QString, said);
    QAction* triggered = m_window->findChild<QAction*>(actionName);
    QVERIFY(triggered);
    triggered->trigger();
    QVERIFY2(m_window->statusBar()->currentMessage().contains(said),
        qPrintable(m_window->statusBar()->currentMessage()));
    QVERIFY(!triggered->isChecked());
    QVERIFY(m_window->warnings.isEmpty());
}

QTEST_MAIN(tst_WriteProgress)
#include "tst_writeprogress.moc"
