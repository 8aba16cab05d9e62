#include <QProcess>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int Timeout = 20000;

// A program's exit code (-1 after a crash) and everything it printed.
QPair<int, QString> run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(QStringLiteral(KAMDEL_TOOLS_DIR "/") + program, arguments);
    process.waitForFinished(Timeout);
    const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return { status, QString::fromLocal8Bit(process.readAll()) };
}

bool write(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size();
}

} // namespace

class tst_VirtualUnit : public QObject
{
    Q_OBJECT

private slots:
    void station_data();
    void station();
};

void tst_VirtualUnit::station_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<int>("flashed");
    QTest::addColumn<QString>("flasherLine");
    QTest::addColumn<QString>("unitLine");
    QTest::addColumn<bool>("linkStays");
    QTest::addRow("good board") << QStringList() << 0 << "Finished successfully!"
                                << "#5 jump app=valid" << true;
    QTest::addRow("dead") << QStringList { "--dead" } << 1 << "Error: (-1) Timeout"
                          << "ready " << true;
    QTest::addRow("unplugged at a firmware request")
        << QStringList { "--unplug-at", "firmware:2" } << 1 << "Finished with error!"
        << "#2 erase answer=00\nunplugged" << false;
    QTest::addRow("refused block") << QStringList { "--fault", "answer=c5@3" } << 1 << "Finished with error!"
                                   << "#3 write addr=006000 len=4 answer=c5 fault=answer" << true;
    QTest::addRow("wrong version") << QStringList { "--version-answer", "b3" } << 1
                                   << "Invalid device version!"
                                   << "#1 version answer=b3" << true;
}

void tst_VirtualUnit::station()
{
    QFETCH(QStringList, options);
    QFETCH(int, flashed);
    QFETCH(QString, flasherLine);
    QFETCH(QString, unitLine);
    QFETCH(bool, linkStays);
    QTemporaryDir dir;
    const QString link = dir.filePath("tty");
    const QString firmware = dir.filePath("fw.txt");
    const QString document = dir.filePath("doc.xml");
    QVERIFY(write(firmware, "@6000\n01 02 03 04\nq\n"));
    QVERIFY(write(document,
        "<?xml version=\"1.0\"?>\n<LedPanelDocument version=\"2.0\" panel=\"ZQ-RINGx\"><Commands>"
        "<Program index=\"0\"><LedStates><Led index=\"3\"><state>1</state></Led></LedStates><Stop/>"
        "</Program></Commands></LedPanelDocument>\n"));

    QProcess unit;
    unit.start(QStringLiteral(KAMDEL_TOOLS_DIR "/virtualunit"), options << "--headless" << link);
    QString log;
    QTRY_VERIFY_WITH_TIMEOUT((log += unit.readAllStandardOutput()).contains("ready "), Timeout);

    const auto flash = run("romwright", { "--port", link, firmware });
    QCOMPARE(flash.first, flashed);
    QVERIFY2(flash.second.contains(flasherLine), qPrintable(flash.second));
    if (flashed == 0) {
        const auto written = run("kamdel", { "write", document, "--port", link });
        QVERIFY2(written.first == 0, qPrintable(written.second));
        QTRY_VERIFY_WITH_TIMEOUT((log += unit.readAllStandardOutput()).contains("START at 4"), Timeout);
        QSerialPort port(link);
        QVERIFY(port.open(QIODevice::ReadWrite));
        port.write(QByteArray("\x02\x00\x00\x00", 4));
        QVERIFY(port.waitForBytesWritten(Timeout) || port.bytesToWrite() == 0);
        // LED 3 alone: the frame the document holds, through the image it wrote.
        QTRY_VERIFY_WITH_TIMEOUT(
            (log += unit.readAllStandardOutput()).contains("FRAME 1 1000000000000000000000000000"), Timeout);
        QVERIFY(log.contains("IMAGE 32 bytes variant 2 00000000031"));
    }
    QCOMPARE(QFileInfo(link).isSymLink(), linkStays);

    unit.terminate();
    QVERIFY(unit.waitForFinished(Timeout));
    QCOMPARE(unit.exitCode(), 0);
    log += unit.readAllStandardOutput();
    QVERIFY2(log.contains(unitLine), qPrintable(log));
    QVERIFY(!QFileInfo(link).isSymLink());
}

QTEST_GUILESS_MAIN(tst_VirtualUnit)
#include "tst_virtualunit.moc"
