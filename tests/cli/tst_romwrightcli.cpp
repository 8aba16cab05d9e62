#include "BslTargetRunner.h"
#include "FlasherImage.h"
#include "Recipe.h"
#include "RomwrightRun.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/stat.h>

namespace {

// Within both ranges, up to the last byte of each, with gaps.
QList<sMemory> imageFor(const ModelRow& row)
{
    QList<sMemory> image { { row.start, patterned(300, 1) }, { row.end - 15, patterned(16, 2) } };
    if (row.large)
        image << sMemory { row.start2 + 0x100, patterned(100, 3) }
              << sMemory { row.end2 - 7, patterned(8, 4) };
    return image;
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
const QStringList kNoApplication { QStringLiteral("The device holds no valid application now."),
    QStringLiteral("Its boot loader is still there: flash it again.") };
const QString kVectorReason = QStringLiteral(
    "The image writes 32 bytes at 0xFFE0-0xFFFF, above the application, where the boot loader keeps the "
    "interrupt vectors. A boot loader that guards itself refuses them and flashing fails after the erase; "
    "one that does not may be overwritten.");

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
    void portNeedsGroup();
    void interruptCancelsCleanly_data();
    void interruptCancelsCleanly();
    void vectorArea_data();
    void vectorArea();
    void hostileFilesRefusedAtOnce_data();
    void hostileFilesRefusedAtOnce();
    void recipe_data();
    void recipe();
    void wrongUsage_data();
    void wrongUsage();
    void version_data();
    void version();
    void checkPrintsSegmentsAndChecksum();
    void checkCountsInPlainEnglish_data();
    void checkCountsInPlainEnglish();
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
    const RomwrightResult result
        = romwright(row.name == "Kamdel" ? QStringList(arguments.mid(2)) : arguments);
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
    QTest::addRow("line closed") << QStringList { "--close-after", "4" } << "unplugged during write (N %)"
                                 << true;
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
    const RomwrightResult result = romwright({ "--port", target.link(), firmware });
    target.finish();
    QCOMPARE(result.exitCode, 1);
    QVERIFY2(QStringList(result.out)
                 .replaceInStrings(QRegularExpression("\\(\\d+ %\\)"), "(N %)")
                 .contains(engineLine),
        qPrintable(result.out.join('\n')));
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
    const RomwrightResult result = romwright({ "--port", target.link(), writeFile(dir, "app", content) });
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
    const RomwrightResult result = romwright({ "--port", dir.filePath("no-such-tty"), firmware });
    QCOMPARE(result.exitCode, 3);
    QVERIFY(result.out.value(1).startsWith("Cannot open serial port"));
}

void tst_RomwrightCli::portNeedsGroup()
{
    if (::geteuid() != 0 || QStandardPaths::findExecutable("setpriv").isEmpty())
        QSKIP("needs root and setpriv to run romwright as a user without rights to the port");
    const QStringList asNobody { "--reuid=65534", "--regid=65534", "--clear-groups" };
    const QString setpriv = QStandardPaths::findExecutable("setpriv");
    // A build inside a folder closed to others (a private temporary folder)
    // cannot be run by another user at all.
    if (romwright(asNobody + QStringList { KAMDEL_TOOLS_DIR "/romwright", "--version" }, {}, 0, setpriv)
            .exitCode
        != 0)
        QSKIP("the build folder is not open to other users");
    BslTargetRunner target({ "--model", "Kamdel" });
    QVERIFY(target.isReady());
    // The pseudo-terminal itself: its group may use it, others may not.
    const QString device = QFileInfo(target.link()).canonicalFilePath();
    const QFileInfo info(device);
    QVERIFY2(!(info.permissions() & QFileDevice::WriteOther), qPrintable(device));
    const RomwrightResult result
        = romwright(asNobody + QStringList { KAMDEL_TOOLS_DIR "/romwright", "--port", device, "app.txt" }, {},
            0, setpriv);
    QCOMPARE(result.exitCode, 3);
    QVERIFY2(
        result.out.contains(QString("You may need to be a member of the group \"%1\" that owns %2 (log in "
                                    "again after joining it).")
                                .arg(info.group(), device)),
        qPrintable(result.out.join('\n') + result.err));
}

void tst_RomwrightCli::interruptCancelsCleanly_data()
{
    QTest::addColumn<int>("signal");
    QTest::addRow("Ctrl+C") << int(SIGINT);
    QTest::addRow("SIGTERM") << int(SIGTERM);
    QTest::addRow("terminal closed") << int(SIGHUP);
}

void tst_RomwrightCli::interruptCancelsCleanly()
{
    QFETCH(int, signal);
    QTemporaryDir dir;
    // Nine seconds on the paced line; the interrupt lands early in the write,
    // before the target's log could fill the pipe nobody reads during the run.
    const QString firmware
        = writeFile(dir, "app.txt", toTiTxt({ { 0x6000, patterned(0x8000, 5) } }).toLatin1());
    BslTargetRunner target({ "--model", "Kamdel", "--baud", "57600" });
    QVERIFY(target.isReady());
    const RomwrightResult result
        = romwright({ "--port", target.link(), firmware }, [signal](QProcess& process, const QString& line) {
              if (line == "Write device application code.") {
                  QThread::msleep(300);
                  ::kill(pid_t(process.processId()), signal);
              }
          });
    target.finish();
    QVERIFY2(result.exitCode == 4, qPrintable(result.out.join(QLatin1Char('\n'))));
    QCOMPARE(result.out.mid(result.out.size() - 5),
        QStringList({ "Write device application code.", "Close serial port.", "Flashing canceled." })
            + kNoApplication);
    QVERIFY(!target.applicationValid());
    QVERIFY(target.requestsMatching(" jump ").isEmpty());

    // Sent the moment the program starts, before it could serve any event:
    // no request goes out, the erase least of all.
    BslTargetRunner untouched({ "--model", "Kamdel" });
    QVERIFY(untouched.isReady());
    const RomwrightResult early = romwright({ "--port", untouched.link(), firmware }, {}, signal);
    untouched.finish();
    QVERIFY2(early.exitCode == 4, qPrintable(early.out.join('\n') + early.err));
    QCOMPARE(early.out.mid(early.out.size() - 3),
        (QStringList { "Close serial port.", "Flashing canceled.", "The device was not changed." }));
    QCOMPARE(untouched.requests(), QStringList());
}

void tst_RomwrightCli::vectorArea_data()
{
    QTest::addColumn<ModelRow>("row");
    QTest::addColumn<bool>("check");
    QTest::addColumn<bool>("option");
    for (const ModelRow& row : modelTable()) {
        for (const bool check : { false, true }) {
            const char* mode = check ? "check" : "flash";
            QTest::addRow("%s %s", qPrintable(row.name), mode) << row << check << false;
            QTest::addRow("%s %s --write-vector-area", qPrintable(row.name), mode) << row << check << true;
        }
    }
}

void tst_RomwrightCli::vectorArea()
{
    QFETCH(ModelRow, row);
    QFETCH(bool, check);
    QFETCH(bool, option);
    QTemporaryDir dir;
    const QList<sMemory> image = imageWithVectors(row);
    QStringList arguments { "--model", row.name, writeFile(dir, "app.txt", toTiTxt(image).toLatin1()) };
    if (option)
        arguments.prepend("--write-vector-area");
    std::unique_ptr<BslTargetRunner> target;
    if (check) {
        arguments.prepend("check");
    } else {
        target = std::make_unique<BslTargetRunner>(QStringList { "--model", row.name, "--exit-after-jump" });
        QVERIFY(target->isReady());
        arguments = QStringList { "--port", target->link() } + arguments;
    }
    const RomwrightResult result = romwright(arguments);
    // The check reports on standard error, the flash on standard output.
    const QStringList report = check ? result.err.split('\n', Qt::SkipEmptyParts) : result.out;
    QCOMPARE(result.exitCode, option ? 0 : 2);
    QCOMPARE(report.contains("Warning: " + kVectorReason), option);
    QCOMPARE(report.contains(kVectorReason), !option);
    QCOMPARE(result.err.contains("--write-vector-area"), !option);
    if (check)
        QCOMPARE(result.out.contains("96 bytes in 2 segments"), option);
    if (!target)
        return;
    target->finish();
    if (!option) {
        QCOMPARE(target->requests(), QStringList());
        return;
    }
    QCOMPARE(result.out.last(), kFinished);
    QVERIFY2(target->applicationValid(), qPrintable(target->verdict()));
    QCOMPARE(target->digest(), expectedDigest(row, image));
    QCOMPARE(target->vectorDigest(), expectedVectorDigest(image));
}

void tst_RomwrightCli::hostileFilesRefusedAtOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("check");
    QTest::addColumn<QString>("reason");
    const QString notRegular
        = "The firmware file is not a regular file (it is a folder, a device or a pipe).";
    QTest::addRow("endless device, check") << "/dev/zero" << true << notRegular;
    QTest::addRow("endless device, flash") << "/dev/zero" << false << notRegular;
    QTest::addRow("pipe without a writer, check") << "fifo" << true << notRegular;
    QTest::addRow("pipe without a writer, flash") << "fifo" << false << notRegular;
    QTest::addRow("one-line TI-TXT, its token quoted in part")
        << "token.txt" << true << "line 2: " + QString(40, 'A') + "... is not a hexadecimal number";
}

void tst_RomwrightCli::hostileFilesRefusedAtOnce()
{
    QFETCH(QString, kind);
    QFETCH(bool, check);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    QString path = kind.startsWith('/') ? kind : dir.filePath(kind);
    if (kind == "fifo")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    if (kind == "token.txt")
        writeFile(dir, kind, "@6000\n" + QByteArray(1 << 20, 'A') + "\n");

    std::unique_ptr<BslTargetRunner> target;
    QStringList arguments { path };
    if (check) {
        arguments.prepend("check");
    } else {
        target = std::make_unique<BslTargetRunner>(QStringList { "--model", "Kamdel" });
        QVERIFY(target->isReady());
        arguments = QStringList { "--port", target->link() } + arguments;
    }
    const RomwrightResult result = romwright(arguments);
    QCOMPARE(result.exitCode, 2);
    const QStringList report = check ? result.err.split('\n', Qt::SkipEmptyParts) : result.out;
    QVERIFY2(report.contains(reason), qPrintable(report.join('\n')));
    // No message echoes the megabyte.
    QVERIFY(result.out.join(QString()).size() + result.err.size() < 4096);
    if (target) {
        target->finish();
        QCOMPARE(target->requests(), QStringList());
    }
}

void tst_RomwrightCli::recipe_data()
{
    QTest::addColumn<QByteArray>("firmware");
    QTest::addColumn<QString>("reason");
    QTest::addRow("written") << QByteArray("@6000\n01 02\nq\n") << QString();
    QTest::addRow("firmware does not fit") << QByteArray("@30000\n01\nq\n") << "does not fit Kamdel";
}

void tst_RomwrightCli::recipe()
{
    QFETCH(QByteArray, firmware);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString app = writeFile(dir, "app.txt", firmware);
    const QString show = writeFile(dir, "show.xml", "<LedPanelDocument version=\"1.0\"/>");
    const RomwrightResult result
        = romwright({ "recipe", "--model", "ZQ-RING-A", "--firmware", app, "--program", show, "--log",
            dir.filePath("units.csv"), "--watch", "/dev/ttyUSB*", "--test", "-o", dir.filePath("a.ini") });
    QCOMPARE(result.exitCode, reason.isEmpty() ? 0 : 3);
    QVERIFY2(result.err.contains(reason), qPrintable(result.err));
    Recipe read;
    QString error;
    QCOMPARE(read.read(dir.filePath("a.ini"), &error), reason.isEmpty());
    QCOMPARE(read.program, reason.isEmpty() ? show : QString());
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
    QTest::addRow("recipe over its firmware") << QStringList { "recipe", "--model", "ZQ-RING-A", "--firmware",
        "a.txt", "--program", "b.xml", "--log", "c", "-o", "a.txt" };
}

void tst_RomwrightCli::wrongUsage()
{
    QFETCH(QStringList, arguments);
    const RomwrightResult result = romwright(arguments);
    QCOMPARE(result.exitCode, 64);
    QVERIFY(result.out.isEmpty());
    QVERIFY(result.err.startsWith("romwright: "));
}

void tst_RomwrightCli::version_data()
{
    QTest::addColumn<QString>("option");
    QTest::addRow("long") << "--version";
    QTest::addRow("short") << "-v";
}

// The version of the project, as the editor and kamdel print it.
void tst_RomwrightCli::version()
{
    QFETCH(QString, option);
    // The data folder need not exist: the path is resolved as text.
    QFile cmake(QDir::cleanPath(KAMDEL_TEST_DATA_DIR "/../../../CMakeLists.txt"));
    QVERIFY(cmake.open(QIODevice::ReadOnly));
    const QRegularExpressionMatch project
        = QRegularExpression("project\\(Kamdel VERSION ([0-9.]+)").match(QString::fromUtf8(cmake.readAll()));
    QVERIFY(project.hasMatch());
    const RomwrightResult result = romwright({ option });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out, QStringList { "romwright " + project.captured(1) });
}

void tst_RomwrightCli::checkPrintsSegmentsAndChecksum()
{
    QTemporaryDir dir;
    const ModelRow row = modelTable().at(4);
    const QList<sMemory> image { { 0x4400, patterned(64, 1) }, { 0x43FF0, patterned(8, 2) } };
    const QString firmware = writeFile(dir, "app.txt", toTiTxt(image).toLatin1());
    const RomwrightResult result = romwright({ "check", "--model", row.name, firmware });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out,
        (QStringList { "segment 0x4400-0x443F 64 bytes", "segment 0x43FF0-0x43FF7 8 bytes",
            "72 bytes in 2 segments", "memory MSP430FR5994 fits 0x4000-0xF7FF, 0x10000-0x43FF7",
            QString("checksum %1 at 0x4000")
                .arg(QString("0x%1")
                         .arg(expectedChecksum(row, image), 4, 16, QChar('0'))
                         .toUpper()
                         .replace("0X", "0x")) }));

    const RomwrightResult outside = romwright({ "check", "--model", "MSP430FR2512", firmware });
    QCOMPARE(outside.exitCode, 2);
    QVERIFY2(outside.err.contains("Address 0x4400 lies outside"), qPrintable(outside.err));
}

void tst_RomwrightCli::checkCountsInPlainEnglish_data()
{
    QTest::addColumn<QList<sMemory>>("image");
    QTest::addColumn<QStringList>("lines");
    QTest::addRow("one byte") << QList<sMemory> { { 0x6000, patterned(1, 1) } }
                              << QStringList { "segment 0x6000-0x6000 1 byte", "1 byte in 1 segment" };
    QTest::addRow("two segments") << QList<sMemory> { { 0x6000, patterned(5, 1) },
        { 0x7000, patterned(1, 2) } }
                                  << QStringList { "segment 0x6000-0x6004 5 bytes",
                                         "segment 0x7000-0x7000 1 byte", "6 bytes in 2 segments" };
}

void tst_RomwrightCli::checkCountsInPlainEnglish()
{
    QFETCH(QList<sMemory>, image);
    QFETCH(QStringList, lines);
    QTemporaryDir dir;
    const RomwrightResult result
        = romwright({ "check", writeFile(dir, "app.txt", toTiTxt(image).toLatin1()) });
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.out.mid(0, lines.size()), lines);
}

QTEST_GUILESS_MAIN(tst_RomwrightCli)
#include "tst_romwrightcli.moc"
