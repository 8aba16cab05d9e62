#include "EditorFixture.h"
#include "FakeDocument.h"

#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QtTest>

#include <csignal>
#include <sys/types.h>

namespace {
QByteArray hexBytes(const char* hex)
{
    return QByteArray::fromHex(hex);
}

// An LED frame as the first panel model's compiler encodes it: opcode 0x03,
// then LED i as bit (i mod 8) of bitmap byte i / 8.
QByteArray frameV1(const QVector<int>& on)
{
    QByteArray bytes(25, '\0');
    bytes[0] = 0x03;
    for (int led : on)
        bytes[1 + led / 8] = static_cast<char>(bytes.at(1 + led / 8) | (1 << (led % 8)));
    return bytes;
}

// The panel's notation of a frame: 48 hex digits, LED 0 as the top bit of
// the first.
QString ledHex(const QVector<int>& on)
{
    QString bits(192, QLatin1Char('0'));
    for (int led : on)
        bits[led] = QLatin1Char('1');
    QString hex;
    for (int digit = 0; digit < 48; ++digit)
        hex += QString::number(bits.mid(4 * digit, 4).toInt(nullptr, 2), 16);
    return hex;
}

QString blockLines(int count)
{
    QStringList lines;
    for (int n = 0; n < count; ++n)
        lines << QStringLiteral("RX BLOCK %1 32").arg(n);
    return lines.join(QLatin1Char('\n'));
}
} // namespace

class tst_PanelLink : public QObject, protected EditorFixture
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void commandWord_data();
    void commandWord();
    void animateHoldsPortOpen();
    void compileAndWrite_data();
    void compileAndWrite();
    void compileAndWriteStopsAnimation();
    void compileAndWriteWithoutLibraryDocument();
    void imageLargerThanMemory();
    void portCannotBeOpened_data();
    void portCannotBeOpened();
    void writeFailsWhenPanelVanishes();
    void nothingInterleavesWithBlocks();
    // Progress, Cancel, and closing the window while blocks are going out.
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

void tst_PanelLink::initTestCase()
{
    QVERIFY2(
        QFile::exists(QStringLiteral(KAMDEL_TOOLS_DIR "/KamdelVirtualPanel")), "virtual panel not built");
    QCoreApplication::setApplicationName(QStringLiteral("Tollmark"));
    QCoreApplication::setApplicationVersion(QStringLiteral("0.1.1"));
    QVERIFY(setUpEditor([](QWidget*, const Questions::Message& request) {
        qWarning("unexpected message from the document library: %s", qPrintable(request.text));
        return QMessageBox::Ok;
    }));
}

void tst_PanelLink::cleanupTestCase()
{
    tearDownEditor();
}

void tst_PanelLink::init()
{
    QVERIFY(openWindow(true));
}

void tst_PanelLink::cleanup()
{
    closeWindow();
}

void tst_PanelLink::commandWord_data()
{
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("received");
    QTest::addRow("Reset") << "action_Reset"
                           << "RX RESET";
    QTest::addRow("Next") << "action_Next"
                          << "RX NEXT";
}

void tst_PanelLink::commandWord()
{
    QFETCH(QString, actionName);
    QFETCH(QString, received);

    m_window->findChild<QAction*>(actionName)->trigger();
    QVERIFY(!m_window->panelPort()->isOpen());
    QVERIFY(m_panel->waitFor(received));
    m_window->findChild<QAction*>(actionName)->trigger();
    QVERIFY(m_panel->waitFor(received, 2));
    m_panel->settle();
    // Exactly the words, nothing else and no broken pieces.
    QCOMPARE(m_panel->received(), QStringList({ received, received }));
    QVERIFY(m_window->warnings.isEmpty());
}

void tst_PanelLink::animateHoldsPortOpen()
{
    QAction* animate = action("action_Animate");
    animate->trigger();
    QVERIFY(animate->isChecked());
    QVERIFY(m_window->panelPort()->isOpen());
    QVERIFY(m_window->isAnimating());
    QVERIFY(m_panel->waitFor(QStringLiteral("RX NEXT"), 5));

    // A Next of its own goes over the open port and leaves it open.
    m_window->nextStep();
    QVERIFY(m_window->panelPort()->isOpen());

    animate->trigger();
    QVERIFY(!animate->isChecked());
    QVERIFY(!m_window->isAnimating());
    QVERIFY(!m_window->panelPort()->isOpen());
    m_panel->settle();
    const int sent = m_panel->received().size();
    QVERIFY(sent >= 6);
    QCOMPARE(m_panel->linesStartingWith(QStringLiteral("RX NEXT")).size(), sent);
    m_panel->settle();
    QCOMPARE(m_panel->received().size(), sent);
    QVERIFY(m_window->warnings.isEmpty());
}

void tst_PanelLink::compileAndWrite_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("memoryLine");
    QTest::addColumn<QString>("firstFrame");
    QTest::addColumn<QString>("sent");

    using namespace DocumentFiles;
    // LEDs 0, 9 and 191 on, then Stop: the same tree in both bit orders.
    QTest::addRow("first model, frame and stop")
        << "1.0" << QStringList { frame({ 0, 9, 191 }), stop() }
        << hexBytes("030102") + QByteArray(21, '\0') + hexBytes("8000") << "Memory use 0% (26 of 8000)."
        << ledHex({ 0, 9, 191 }) << "1 block";
    QTest::addRow("second model, frame and stop")
        << "2.0" << QStringList { frame({ 0, 9, 191 }), stop() }
        << hexBytes("00000000038040") + QByteArray(21, '\0') + hexBytes("0100")
        << "Memory use 0% (30 of 8000)." << ledHex({ 0, 9, 191 }) << "1 block";
    QTest::addRow("100 bytes in four blocks")
        << "1.0" << QStringList { frame({ 0 }), frame({ 1 }), frame({ 2 }), frame({ 3 }) }
        << frameV1({ 0 }) + frameV1({ 1 }) + frameV1({ 2 }) + frameV1({ 3 }) << "Memory use 1% (100 of 8000)."
        << ledHex({ 0 }) << "4 blocks";
    QTest::addRow("empty program") << "1.0" << QStringList() << QByteArray() << "Memory use 0% (0 of 8000)."
                                   << QString() << "0 blocks";
}

void tst_PanelLink::compileAndWrite()
{
    QFETCH(QString, version);
    QFETCH(QStringList, commands);
    QFETCH(QByteArray, image);
    QFETCH(QString, memoryLine);
    QFETCH(QString, firstFrame);
    QFETCH(QString, sent);

    m_window->openDocument(documentFile(version, commands));
    QVERIFY(m_window->document());

    action("action_CompileAndWrite")->trigger();

    // The report names the device file the program went to.
    const QString finished = QStringLiteral("Programming finished on %1 (%2).").arg(m_panel->link, sent);
    QCOMPARE(reportText(), memoryLine + QLatin1Char('\n') + finished);
    QCOMPARE(m_window->statusBar()->currentMessage(), finished);
    QVERIFY(!m_window->panelPort()->isOpen());
    QVERIFY(m_window->warnings.isEmpty());

    const int blocks = (image.size() + 31) / 32;
    QVERIFY(m_panel->waitFor(QStringLiteral("RX RESET")));
    m_panel->settle();
    QCOMPARE(m_panel->received().join(QLatin1Char('\n')),
        (blocks ? blockLines(blocks) + QLatin1Char('\n') : QString()) + QStringLiteral("RX RESET"));
    QVERIFY(m_panel->linesStartingWith(QStringLiteral("WARN")).isEmpty());

    if (blocks == 0)
        return;
    // The panel holds the image and, past its end, Stop opcodes.
    const QStringList images = m_panel->linesStartingWith(QStringLiteral("IMAGE "));
    QCOMPARE(images.size(), 1);
    const QByteArray padded = image + QByteArray(blocks * 32 - image.size(), '\0');
    QCOMPARE(images.first().section(QLatin1Char(' '), -1), QString::fromLatin1(padded.toHex()));

    // The panel runs what was written.
    m_window->nextStep();
    QVERIFY(m_panel->waitFor(QStringLiteral("FRAME 1 ")));
    QCOMPARE(m_panel->linesStartingWith(QStringLiteral("FRAME 1 ")).first().section(QLatin1Char(' '), 2, 2),
        firstFrame);
}

void tst_PanelLink::compileAndWriteStopsAnimation()
{
    m_window->openDocument(documentFile(QStringLiteral("1.0"), { DocumentFiles::frame({ 5 }) }));
    QAction* animate = action("action_Animate");
    animate->trigger();
    QVERIFY(m_window->isAnimating());
    QVERIFY(m_panel->waitFor(QStringLiteral("RX NEXT"), 2));

    action("action_CompileAndWrite")->trigger();

    QVERIFY(!m_window->isAnimating());
    QVERIFY(animate->isChecked());
    QVERIFY(!m_window->panelPort()->isOpen());
    QVERIFY(m_panel->waitFor(QStringLiteral("RX RESET")));
    m_panel->settle();
    QStringList received = m_panel->received();
    while (!received.isEmpty() && received.first() == QLatin1String("RX NEXT"))
        received.removeFirst();
    QCOMPARE(received, QStringList({ "RX BLOCK 0 32", "RX RESET" }));
}

void tst_PanelLink::compileAndWriteWithoutLibraryDocument()
{
    action("action_CompileAndWrite")->trigger();
    m_window->setCurrentDocument(new FakeDocument);
    action("action_CompileAndWrite")->trigger();
    m_panel->settle();
    QVERIFY(m_panel->received().isEmpty());
    QVERIFY(reportText().isEmpty());
    QVERIFY(m_window->warnings.isEmpty());
}

void tst_PanelLink::imageLargerThanMemory()
{
    QStringList resets;
    for (int i = 0; i < 8001; ++i)
        resets << DocumentFiles::reset();
    m_window->openDocument(documentFile(QStringLiteral("1.0"), resets));

    action("action_CompileAndWrite")->trigger();

    QCOMPARE(m_window->warnings.size(), 1);
    const QString warning = m_window->warnings.first();
    QVERIFY2(warning.contains(QLatin1String("8001")) && warning.contains(QLatin1String("8000")),
        qPrintable(warning));
    QVERIFY(!m_window->panelPort()->isOpen());
    QVERIFY(!m_window->statusBar()->currentMessage().startsWith(QLatin1String("Programming finished")));
    QCOMPARE(reportText(), QStringLiteral("Memory use 100% (8001 of 8000)."));
    m_panel->settle(500);
    QVERIFY(m_panel->received().isEmpty());
}

void tst_PanelLink::portCannotBeOpened_data()
{
    QTest::addColumn<QString>("portName");
    QTest::addColumn<QString>("actionName");
    QTest::addColumn<QString>("expected");

    QTest::addRow("Reset") << "absent"
                           << "action_Reset"
                           << "Cannot connect to serial port %1!";
    QTest::addRow("Next") << "absent"
                          << "action_Next"
                          << "Cannot connect to serial port %1!";
    QTest::addRow("Animate") << "absent"
                             << "action_Animate"
                             << "Cannot connect to serial port %1!";
    QTest::addRow("Animate on the default port") << "COM1"
                                                 << "action_Animate"
                                                 << "Cannot connect to serial port %1!";
    QTest::addRow("Compile and Write") << "absent"
                                       << "action_CompileAndWrite"
                                       << "Cannot connect to serial port %1 (%2)!";
}

void tst_PanelLink::portCannotBeOpened()
{
    QFETCH(QString, portName);
    QFETCH(QString, actionName);
    QFETCH(QString, expected);

    if (portName == QLatin1String("absent"))
        portName = m_dir.filePath(QStringLiteral("no-panel-here"));
    m_window->panelPort()->setPortName(portName);
    m_window->openDocument(documentFile(QStringLiteral("1.0"), { DocumentFiles::frame({ 1 }) }));
    QAction* item = m_window->findChild<QAction*>(actionName);

    item->trigger();

    QCOMPARE(m_window->warnings.size(), 1);
    if (expected.contains(QLatin1String("%2"))) {
        const QString errorText = m_window->warnings.first().section(QLatin1Char('('), -1).chopped(2);
        QVERIFY(!errorText.isEmpty());
        expected = expected.arg(portName, errorText);
    } else {
        expected = expected.arg(portName);
    }
    QCOMPARE(m_window->warnings.first(), expected);
    QVERIFY(!m_window->panelPort()->isOpen());
    QVERIFY(reportText().isEmpty());

    if (item->isCheckable()) {
        // The check mark stays; unchecking it stops the idle timer harmlessly.
        QVERIFY(item->isChecked());
        QVERIFY(!m_window->isAnimating());
        item->trigger();
        QVERIFY(!item->isChecked());
        QCOMPARE(m_window->warnings.size(), 1);
    }
}

void tst_PanelLink::writeFailsWhenPanelVanishes()
{
    // 320 frames: exactly the panel's 8000 bytes, which are still written.
    QStringList frames;
    for (int i = 0; i < 320; ++i)
        frames << DocumentFiles::frame({ i % 192 });
    m_window->openDocument(documentFile(QStringLiteral("1.0"), frames));
    const qint64 pid = m_panel->process.processId();
    m_panel->onLine = [pid](const QString& line) {
        if (line == QLatin1String("RX BLOCK 2 32"))
            ::kill(static_cast<pid_t>(pid), SIGKILL);
    };
    QSignalSpy messages(m_window->statusBar(), &QStatusBar::messageChanged);
    QVERIFY(messages.isValid());

    action("action_CompileAndWrite")->trigger();

    QVERIFY(m_window->warnings.isEmpty());
    const QStringList report = reportText().split(QLatin1Char('\n'));
    QCOMPARE(report.size(), 2);
    QCOMPARE(report.at(0), QStringLiteral("Memory use 100% (8000 of 8000)."));
    QVERIFY2(report.at(1).startsWith(QStringLiteral("Writing to serial port %1 failed").arg(m_panel->link)),
        qPrintable(report.at(1)));
    QCOMPARE(m_window->statusBar()->currentMessage(), report.at(1));
    for (const QList<QVariant>& message : qAsConst(messages))
        QVERIFY(!message.at(0).toString().startsWith(QLatin1String("Programming finished")));
    QVERIFY(!m_window->panelPort()->isOpen());
    QVERIFY(action("action_CompileAndWrite")->isEnabled());
    QVERIFY(action("action_Next")->isEnabled());
}

void tst_PanelLink::nothingInterleavesWithBlocks()
{
    m_window->openDocument(documentFile(QStringLiteral("1.0"),
        { DocumentFiles::frame({ 1 }), DocumentFiles::frame({ 2 }), DocumentFiles::frame({ 3 }),
            DocumentFiles::frame({ 4 }) }));
    bool disabledWhileWriting = false;
    TestWindow* window = m_window.get();
    m_panel->onLine = [&, window](const QString& line) {
        if (line != QLatin1String("RX BLOCK 0 32"))
            return;
        disabledWhileWriting = !action("action_Next")->isEnabled() && !action("action_Reset")->isEnabled()
            && !action("action_Animate")->isEnabled() && !action("action_CompileAndWrite")->isEnabled();
        // A user pressing the keys, or a direct call, between two blocks.
        action("action_Next")->trigger();
        window->nextStep();
        window->resetPanel();
        window->animate(true);
        window->compileAndWrite();
    };

    action("action_CompileAndWrite")->trigger();

    QVERIFY(disabledWhileWriting);
    QVERIFY(m_panel->waitFor(QStringLiteral("RX RESET")));
    m_panel->settle();
    QCOMPARE(m_panel->received().join(QLatin1Char('\n')), blockLines(4) + QStringLiteral("\nRX RESET"));
    QVERIFY(!m_window->isAnimating());
    QVERIFY(!m_window->panelPort()->isOpen());
    QCOMPARE(m_window->statusBar()->currentMessage(),
        QStringLiteral("Programming finished on %1 (4 blocks).").arg(m_panel->link));
}

void tst_PanelLink::openFrames(int count)
{
    QStringList frames;
    for (int i = 0; i < count; ++i)
        frames << DocumentFiles::frame({ i % 192 });
    const QString path = documentFile(QStringLiteral("1.0"), frames);
    QVERIFY(!path.isEmpty());
    // The progress bar and Cancel show only in a shown window.
    m_window->show();
    m_window->openDocument(path);
    QVERIFY(m_window->document());
}

void tst_PanelLink::progressCountsBlocks()
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
    QCOMPARE(m_window->statusBar()->currentMessage(),
        QStringLiteral("Programming finished on %1 (4 blocks).").arg(m_panel->link));
}

void tst_PanelLink::cancelStopsAfterTheCurrentBlock_data()
{
    QTest::addColumn<int>("cancelAt");
    QTest::addRow("after the first block") << 0;
    QTest::addRow("in the middle") << 3;
}

void tst_PanelLink::cancelStopsAfterTheCurrentBlock()
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
    QVERIFY(
        reportText().endsWith(QStringLiteral("Writing canceled: the panel holds an incomplete program.")));
    QVERIFY(!reportText().contains(QStringLiteral("finished")));
    QVERIFY(action("action_CompileAndWrite")->isEnabled());
    QVERIFY(!m_window->isWriting());
}

void tst_PanelLink::closeDuringWrite_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addRow("stop and close") << true;
    QTest::addRow("keep writing") << false;
}

void tst_PanelLink::closeDuringWrite()
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

void tst_PanelLink::noDocumentIsSaid_data()
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

void tst_PanelLink::noDocumentIsSaid()
{
    m_window->show();
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

QTEST_MAIN(tst_PanelLink)
#include "tst_panellink.moc"
