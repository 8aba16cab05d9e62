#include "BslTargetRunner.h"
#include "FlasherImage.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

namespace {

struct Result
{
    int exitCode = -1;
    QStringList out;
    QString err;
};

// Runs the program to its end; `whileRunning` sees each standard-output line as it comes.
Result romwright(
    const QStringList& arguments, const std::function<void(QProcess&, const QString&)>& whileRunning = {})
{
    QProcess process;
    process.start(QStringLiteral(KAMDEL_TOOLS_DIR "/romwright"), arguments);
    Result result;
    if (!process.waitForStarted())
        return result;
    QByteArray pending;
    while (process.state() != QProcess::NotRunning) {
        process.waitForReadyRead(50);
        pending += process.readAllStandardOutput();
        int end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromUtf8(pending.left(end));
            pending.remove(0, end + 1);
            result.out << line;
            if (whileRunning)
                whileRunning(process, line);
        }
    }
    process.waitForFinished();
    pending += process.readAllStandardOutput();
    result.out += QString::fromUtf8(pending).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    result.err = QString::fromUtf8(process.readAllStandardError());
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return result;
}

// Within both ranges, up to the last byte of each, with gaps.
QList<sMemory> imageFor(const ModelRow& row)
{
    QList<sMemory> image { { row.start, patterned(300, 1) }, { row.end - 15, patterned(16, 2) } };
    if (row.large)
        image << sMemory { row.start2 + 0x100, patterned(100, 3) }
              << sMemory { row.end2 - 7, patterned(8, 4) };
    return image;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& content)
{
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write(content);
    return file.fileName();
}

QByteArray intelHexOf(const QString& tiTxtPath)
{
    QProcess srecCat;
    srecCat.start("srec_cat", { tiTxtPath, "-Texas_Instruments_TeXT", "-o", "-", "-Intel" });
    if (!srecCat.waitForFinished() || srecCat.exitCode() != 0)
        return QByteArray();
    return srecCat.readAllStandardOutput();
}

const QString kFinished = QStringLiteral("Finished successfully!");

} // namespace

class tst_RomwrightCli : public QObject
{
    Q_OBJECT

private slots:
    void flashEveryModel_data();
    void flashEveryModel();
    void deviceFaults_data();
    void deviceFaults();
    void refusedFileLeavesDeviceUntouched_data();
    void refusedFileLeavesDeviceUntouched();
    void portCannotBeOpened();
    void interruptCancelsCleanly();
    void wrongUsage_data();
    void wrongUsage();
    void checkPrintsSegmentsAndChecksum();
};

void tst_RomwrightCli::flashEveryModel_data()
{
    QTest::addColumn<ModelRow>("row");
    QTest::addColumn<bool>("intelHex");
    for (const ModelRow& row : modelTable()) {
        QTest::addRow("%s TI-TXT", qPrintable(row.name)) << row << false;
        QTest::addRow("%s Intel HEX", qPrintable(row.name)) << row << true;
    }
}

void tst_RomwrightCli::flashEveryModel()
{
    QFETCH(ModelRow, row);
    QFETCH(bool, intelHex);
    QTemporaryDir dir;
    const QList<sMemory> image = imageFor(row);
    QString firmware = writeFile(dir, "app.txt", toTiTxt(image).toLatin1());
    if (intelHex) {
        const QByteArray hex = intelHexOf(firmware);
        if (hex.isEmpty())
            QSKIP("srec_cat is not installed (tools/install-deps.sh installs it)");
        firmware = writeFile(dir, "app.hex", hex);
    }

    BslTargetRunner target({ "--model", row.name, "--exit-after-jump" });
    QVERIFY(target.isReady());
    const QStringList arguments { "--model", row.name, "--port", target.link(), firmware };
    const Result result = romwright(row.name == "Kamdel" ? QStringList(arguments.mid(2)) : arguments);
    target.finish();
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out.value(result.out.size() - 1), kFinished);
    QVERIFY2(target.applicationValid(), qPrintable(target.verdict()));
    // The same memory whichever file format carried the bytes.
    QCOMPARE(target.digest(), expectedDigest(row, image));
}

void tst_RomwrightCli::deviceFaults_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("engineLine");
    QTest::addColumn<bool>("erased");
    QTest::addRow("no answer to the version")
        << QStringList { "--fault", "silent@1" } << "Error: (-1) Timeout" << false;
    QTest::addRow("unsupported boot loader")
        << QStringList { "--version-answer", "b3" } << "Error: (-4d) Invalid version" << false;
    QTest::addRow("erase refused") << QStringList { "--fault", "answer=55@2" }
                                   << "Error: (55) Error in protocol" << true;
    QTest::addRow("write refused") << QStringList { "--fault", "answer=52@5" }
                                   << "Error: (52) Packet checksum error" << true;
    QTest::addRow("write lost") << QStringList { "--fault", "silent@4" } << "Error: (-1) Timeout" << true;
    QTest::addRow("garbled answer") << QStringList { "--fault", "corrupt@3" } << "Error: (5a) unknown"
                                    << true;
    QTest::addRow("checksum word refused")
        << QStringList { "--fault", "answer=c5@8" } << "Error: (-3b) unknown" << true;
    QTest::addRow("line closed") << QStringList { "--close-after", "4" } << "Error: (-1) Timeout" << true;
}

void tst_RomwrightCli::deviceFaults()
{
    QFETCH(QStringList, options);
    QFETCH(QString, engineLine);
    QFETCH(bool, erased);
    QTemporaryDir dir;
    // Five blocks, then the checksum word as request 8.
    const QString firmware = writeFile(dir, "app.txt", toTiTxt({ { 0x6000, patterned(80, 9) } }).toLatin1());
    BslTargetRunner target(QStringList { "--model", "Kamdel" } + options);
    QVERIFY(target.isReady());
    const Result result = romwright({ "--port", target.link(), firmware });
    target.finish();
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(result.out.contains(engineLine), qPrintable(result.out.join('\n')));
    QVERIFY(!result.out.contains(kFinished));
    QVERIFY(!target.applicationValid() || !erased);
    QCOMPARE(result.out.contains("The device holds no valid application now."), erased);
}

void tst_RomwrightCli::refusedFileLeavesDeviceUntouched_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("reason");
    QTest::addRow("TI-TXT at 0x0200") << QByteArray("@0200\n01 02\nq\n")
                                      << "Address 0x0200 lies outside the memory of the device (allowed: "
                                         "0x4000-0xF7FF, 0x10000-0x23FF7).";
    QTest::addRow("Intel HEX above the second range")
        << QByteArray(":020000040002F8\n:024000000102BB\n:00000001FF\n")
        << "Address 0x24000 lies outside the memory of the device (allowed: 0x4000-0xF7FF, 0x10000-0x23FF7).";
    QTest::addRow("bad value") << QByteArray("@6000\n01 1FF\nq\n") << "line 2: value 1FF is not a byte";
    QTest::addRow("bad record checksum")
        << QByteArray(":0260000001029C\n:00000001FF\n") << "line 1: checksum 9C should be 9B";
}

void tst_RomwrightCli::refusedFileLeavesDeviceUntouched()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    BslTargetRunner target({ "--model", "Kamdel" });
    QVERIFY(target.isReady());
    const Result result = romwright({ "--port", target.link(), writeFile(dir, "app", content) });
    target.finish();
    QCOMPARE(result.exitCode, 2);
    QVERIFY2(result.out.contains(reason), qPrintable(result.out.join('\n')));
    QCOMPARE(target.requests(), QStringList());
    QVERIFY(target.requestsMatching(" erase ").isEmpty());
}

void tst_RomwrightCli::portCannotBeOpened()
{
    QTemporaryDir dir;
    const QString firmware = writeFile(dir, "app.txt", "@6000\n01\nq\n");
    const Result result = romwright({ "--port", dir.filePath("no-such-tty"), firmware });
    QCOMPARE(result.exitCode, 3);
    QVERIFY(result.out.value(1).startsWith("Cannot open serial port"));
}

void tst_RomwrightCli::interruptCancelsCleanly()
{
    QTemporaryDir dir;
    // Nine seconds on the paced line; the interrupt lands early in the write,
    // before the target's log could fill the pipe nobody reads during the run.
    const QString firmware
        = writeFile(dir, "app.txt", toTiTxt({ { 0x6000, patterned(0x8000, 5) } }).toLatin1());
    BslTargetRunner target({ "--model", "Kamdel", "--baud", "57600" });
    QVERIFY(target.isReady());
    const Result result
        = romwright({ "--port", target.link(), firmware }, [](QProcess& process, const QString& line) {
              if (line == "Write device application code.") {
                  QThread::msleep(300);
                  ::kill(pid_t(process.processId()), SIGINT);
              }
          });
    target.finish();
    QVERIFY2(result.exitCode == 4, qPrintable(result.out.join(QLatin1Char('\n'))));
    QCOMPARE(result.out.mid(result.out.size() - 5),
        (QStringList { "Cannot flash device!", "Close serial port.", "Flashing canceled!",
            "The device holds no valid application now.",
            "Its boot loader is still there: flash it again." }));
    QVERIFY(!target.applicationValid());
    QVERIFY(target.requestsMatching(" jump ").isEmpty());
}

void tst_RomwrightCli::wrongUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addRow("nothing") << QStringList {};
    QTest::addRow("no port") << QStringList { "app.txt" };
    QTest::addRow("two files") << QStringList { "--port", "ttyS0", "a.txt", "b.txt" };
    QTest::addRow("unknown model") << QStringList { "--model", "kamdel", "--port", "ttyS0", "a.txt" };
    QTest::addRow("bad speed") << QStringList { "--baud", "fast", "--port", "ttyS0", "a.txt" };
    QTest::addRow("unknown option") << QStringList { "--force", "--port", "ttyS0", "a.txt" };
    QTest::addRow("check with a port") << QStringList { "check", "--port", "ttyS0", "a.txt" };
}

void tst_RomwrightCli::wrongUsage()
{
    QFETCH(QStringList, arguments);
    const Result result = romwright(arguments);
    QCOMPARE(result.exitCode, 64);
    QVERIFY(result.out.isEmpty());
    QVERIFY(result.err.startsWith("romwright: "));
}

void tst_RomwrightCli::checkPrintsSegmentsAndChecksum()
{
    QTemporaryDir dir;
    const ModelRow row = modelTable().at(4);
    const QList<sMemory> image { { 0x4400, patterned(64, 1) }, { 0x43FF0, patterned(8, 2) } };
    const QString firmware = writeFile(dir, "app.txt", toTiTxt(image).toLatin1());
    const Result result = romwright({ "check", "--model", row.name, firmware });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out,
        (QStringList { "segment 0x4400-0x443F 64 bytes", "segment 0x43FF0-0x43FF7 8 bytes",
            "total 72 bytes in 2 segments", "memory MSP430FR5994 fits 0x4000-0xF7FF, 0x10000-0x43FF7",
            QString("checksum %1 at 0x4000")
                .arg(QString("0x%1")
                         .arg(expectedChecksum(row, image), 4, 16, QChar('0'))
                         .toUpper()
                         .replace("0X", "0x")) }));

    const Result outside = romwright({ "check", "--model", "MSP430FR2512", firmware });
    QCOMPARE(outside.exitCode, 2);
    QVERIFY2(outside.err.contains("Address 0x4400 lies outside"), qPrintable(outside.err));
}

QTEST_GUILESS_MAIN(tst_RomwrightCli)
#include "tst_romwrightcli.moc"
