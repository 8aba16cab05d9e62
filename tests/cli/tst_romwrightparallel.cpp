#include "BslTargetRunner.h"
#include "CsvRecords.h"
#include "FlasherImage.h"
#include "Fleet/PortFleet.h"
#include "Fleet/ProgressBoard.h"
#include "Helper/LowLatencyGuard.h"
#include "Helper/UnitLog.h"
#include "PtyPeer.h"
#include "RomwrightRun.h"
#include "SmallDisk.h"

#include <QProcess>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/stat.h>

namespace {

// Several targets side by side; a null entry is a port nobody serves.
struct Bench
{
    explicit Bench(const QList<QStringList>& targetOptions)
    {
        for (int i = 0; i < targetOptions.size(); ++i) {
            if (targetOptions.at(i) == QStringList { "missing" }) {
                targets.push_back(nullptr);
                ports << dir.filePath(QString("ttyGONE%1").arg(i));
                continue;
            }
            targets.push_back(std::make_unique<BslTargetRunner>(
                QStringList { "--model", "Kamdel", "--exit-after-jump" } + targetOptions.at(i)));
            ports << targets.back()->link();
        }
    }
    bool ready() const
    {
        return std::all_of(targets.cbegin(), targets.cend(),
            [](const auto& target) { return !target || target->isReady(); });
    }
    QStringList portArguments() const
    {
        QStringList arguments;
        for (const QString& port : ports)
            arguments << "--port" << port;
        return arguments;
    }
    void finish()
    {
        for (const auto& target : targets) {
            if (target)
                target->finish();
        }
    }

    QTemporaryDir dir;
    std::vector<std::unique_ptr<BslTargetRunner>> targets;
    QStringList ports;
};

// The lines of one port, without their prefix.
QStringList linesOf(const QStringList& out, const QString& port)
{
    QStringList lines;
    const QString prefix = QStringLiteral("[%1] ").arg(port);
    for (const QString& line : out) {
        if (line.startsWith(prefix))
            lines << line.mid(prefix.size());
    }
    return lines;
}

QString summaryOf(const QStringList& out, const QString& port)
{
    const QStringList found = out.filter(QRegularExpression("^" + QRegularExpression::escape(port) + ": "));
    return found.value(0).mid(port.size() + 2);
}

// What a terminal shows after `bytes`: text lines, line feeds, cursor up
// (ESC [ n A) and clear to the end of the screen (ESC [ J).
QStringList screenAfter(const QByteArray& bytes)
{
    QStringList screen { QString() };
    int row = 0;
    for (int i = 0; i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c == '\033' && bytes.mid(i + 1, 1) == "[") {
            int end = i + 2;
            while (end < bytes.size() && std::isdigit(static_cast<unsigned char>(bytes.at(end))))
                ++end;
            const int count = bytes.mid(i + 2, end - i - 2).toInt();
            if (bytes.at(end) == 'A')
                row = std::max(0, row - count);
            else if (bytes.at(end) == 'J')
                screen = screen.mid(0, row) << QString();
            i = end;
        } else if (c == '\n') {
            if (++row >= screen.size())
                screen << QString();
        } else if (c != '\r') {
            screen[row] += QLatin1Char(c);
        }
    }
    while (!screen.isEmpty() && screen.last().isEmpty())
        screen.removeLast();
    return screen;
}

UnitRecord recordOf(const QString& port, const QString& result, int n)
{
    UnitRecord record;
    record.time = QDateTime::currentDateTime();
    record.tool = QStringLiteral("romwright");
    record.port = port;
    record.model = QStringLiteral("Kamdel");
    record.file = QStringLiteral("/srv/fw/app,v2.txt");
    record.crc = QStringLiteral("0x1D0F");
    record.result = result;
    record.seconds = n / 10.0;
    record.bytes = n;
    return record;
}

// The other writer of the concurrency test: this program run again.
int appendMany(const QString& path, const QString& port, int count)
{
    UnitLog log(path);
    // Long lines: a writer that split them would show.
    const QString reason = QStringLiteral("failed: ") + QString(3000, QLatin1Char('x'));
    for (int n = 0; n < count; ++n) {
        if (!log.append(recordOf(port, reason, n)))
            return 1;
    }
    return 0;
}

} // namespace

class tst_RomwrightParallel : public QObject
{
    Q_OBJECT

private slots:
    void lowLatencyIsSilentOnPseudoTerminals();
    void logLinesAndFields_data();
    void logLinesAndFields();
    void logAppendsFromTwoProcesses();
    void progressBoardKeepsItsLinesBelow();
    void portLabels_data();
    void portLabels();
    void severalPorts_data();
    void severalPorts();
    void badFileTouchesNoPort_data();
    void badFileTouchesNoPort();
    void interruptCancelsEveryPort();
    void stationFlashesEachAttachment_data();
    void stationFlashesEachAttachment();
    void stationOneUnit_data();
    void stationOneUnit();
    void wrongUsage_data();
    void wrongUsage();
    void sameDeviceTwice_data();
    void sameDeviceTwice();
    void stationSkipsSecondLink();
    void logRefusedBeforeAnyPort_data();
    void logRefusedBeforeAnyPort();
    void fullDiskLeavesNoTornLine();
    void formulaCellsQuoted_data();
    void formulaCellsQuoted();
    void relativePortPath();
    void passedLineFindsTheUnit();
};

// A pseudo-terminal offers no low-latency mode: the guard leaves it alone.
void tst_RomwrightParallel::lowLatencyIsSilentOnPseudoTerminals()
{
    PtyPeer terminal;
    QVERIFY(terminal.isValid());
    QSerialPort port(terminal.slaveName());
    QVERIFY(port.open(QIODevice::ReadWrite));
    QVERIFY(!LowLatencyGuard(&port).isActive());
    QVERIFY(!LowLatencyGuard(nullptr).isActive());
}

void tst_RomwrightParallel::logLinesAndFields_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<int>("columns");
    QTest::addRow("new file starts with the header") << QByteArray() << 18;
    QTest::addRow("existing file keeps its lines") << QByteArray("earlier line\n") << 18;
    QTest::addRow("older header, older columns")
        << QByteArray("time,tool,port,serial,model,file,crc,result,seconds,bytes\r\nx\n") << 10;
}

// Any text in a field comes back from the file as it went in, line breaks
// turned to spaces so that a unit stays one line.
void tst_RomwrightParallel::logLinesAndFields()
{
    QFETCH(QByteArray, before);
    QFETCH(int, columns);
    QTemporaryDir dir;
    if (!before.isEmpty())
        QVERIFY(!writeFile(dir, "units.csv", before).isEmpty());
    UnitLog log(dir.filePath("units.csv"));
    QRandomGenerator random(20);
    const QString alphabet = QStringLiteral("ab ,\"\n\r;'x\u00e9");
    QStringList written;
    for (int n = 0; n < 200; ++n) {
        QString text;
        for (int i = random.bounded(12); i > 0; --i)
            text += alphabet.at(random.bounded(alphabet.size()));
        written << QString(text).replace('\n', ' ').replace('\r', ' ');
        QVERIFY2(log.append(recordOf(text, text, n)), qPrintable(log.errorString()));
    }
    QFile file(log.path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    const QByteArray start = before.isEmpty() ? UnitLog::header() : before;
    QVERIFY(content.startsWith(start));
    const QList<QStringList> records = parseCsv(content.mid(start.size()));
    QCOMPARE(records.size(), 200);
    for (int n = 0; n < 200; ++n) {
        const QStringList& fields = records.at(n);
        QCOMPARE(fields.size(), columns);
        QVERIFY2(QDateTime::fromString(fields.at(0), Qt::ISODate).isValid()
                && QRegularExpression("[+-]\\d\\d:\\d\\d$").match(fields.at(0)).hasMatch(),
            qPrintable(fields.at(0)));
        QCOMPARE(fields.mid(1),
            (QStringList { "romwright", written.at(n), "", "Kamdel", "/srv/fw/app,v2.txt", "0x1D0F",
                 written.at(n), QString::number(n / 10.0, 'f', 2), QString::number(n) }
                + QVector<QString>(columns - 10).toList()));
    }
}

// Two programs start on a log that does not exist yet: one header, first,
// and every line whole.
void tst_RomwrightParallel::logAppendsFromTwoProcesses()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("units.csv");
    constexpr int Lines = 300;
    QProcess first;
    QProcess second;
    first.start(
        QCoreApplication::applicationFilePath(), { "--append-log", path, "portA", QString::number(Lines) });
    second.start(
        QCoreApplication::applicationFilePath(), { "--append-log", path, "portB", QString::number(Lines) });
    QVERIFY(first.waitForFinished(60000) && second.waitForFinished(60000));
    QCOMPARE(first.exitCode(), 0);
    QCOMPARE(second.exitCode(), 0);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.startsWith(UnitLog::header()));
    const QList<QStringList> records = parseCsv(content);
    QCOMPARE(records.size(), 2 * Lines + 1);
    QMap<QString, int> next { { "portA", 0 }, { "portB", 0 } };
    for (const QStringList& fields : records.mid(1)) {
        QCOMPARE(fields.size(), 18);
        QVERIFY(next.contains(fields.at(2)));
        // Each writer's lines in its own order, none lost or doubled.
        QCOMPARE(fields.at(9), QString::number(next[fields.at(2)]++));
        QCOMPARE(fields.at(7).size(), 3008);
    }
}

// Lines printed while the board stands go above it; the board's lines are
// redrawn in place and leave nothing behind when it is finished.
void tst_RomwrightParallel::progressBoardKeepsItsLinesBelow()
{
    PtyPeer terminal;
    QVERIFY(terminal.isValid());
    FILE* out = std::fopen(qPrintable(terminal.slaveName()), "w");
    QVERIFY(out);
    {
        ProgressBoard board(out);
        QVERIFY(board.isShown());
        board.setLine("a", "[a] " + ProgressBoard::bar(0));
        board.setLine("b", "[b] " + ProgressBoard::bar(0));
        board.printAbove(out, "[a] Erase device.");
        board.setLine("a", "[a] " + ProgressBoard::bar(50));
        QTest::qWait(150);
        board.setLine("b", "[b] " + ProgressBoard::bar(100));
        board.printAbove(out, "[b] Finished successfully!");
        QCOMPARE(screenAfter(terminal.received()),
            (QStringList { "[a] Erase device.", "[b] Finished successfully!",
                "[a] [##########----------]  50%", "[b] [####################] 100%" }));
        board.removeLine("a");
        board.finish();
    }
    std::fclose(out);
    QCOMPARE(screenAfter(terminal.received()),
        (QStringList { "[a] Erase device.", "[b] Finished successfully!" }));

    // Not a terminal: nothing but the lines.
    QTemporaryDir dir;
    FILE* file = std::fopen(qPrintable(dir.filePath("out.txt")), "w");
    ProgressBoard quiet(file);
    QVERIFY(!quiet.isShown());
    quiet.setLine("a", "[a] 1%");
    quiet.printAbove(file, "line");
    quiet.finish();
    std::fclose(file);
    QFile written(dir.filePath("out.txt"));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray("line\n"));
}

void tst_RomwrightParallel::portLabels_data()
{
    QTest::addColumn<QStringList>("ports");
    QTest::addColumn<QStringList>("labels");
    QTest::addRow("device files") << QStringList { "/dev/ttyUSB0", "/dev/ttyUSB3", "ttyACM0" }
                                  << QStringList { "ttyUSB0", "ttyUSB3", "ttyACM0" };
    QTest::addRow("same names in two folders") << QStringList { "/tmp/a/tty", "/tmp/b/tty", "/dev/ttyS1" }
                                               << QStringList { "/tmp/a/tty", "/tmp/b/tty", "ttyS1" };
}

void tst_RomwrightParallel::portLabels()
{
    QFETCH(QStringList, ports);
    QFETCH(QStringList, labels);
    QCOMPARE(PortFleet::labels(ports), labels);
}

void tst_RomwrightParallel::severalPorts_data()
{
    QTest::addColumn<QList<QStringList>>("targets");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<int>("status");
    const QStringList good;
    const QStringList refused { "--fault", "answer=52@5" };
    // The line goes away in the middle of the write, the symlink with it.
    const QStringList vanishing { "--close-after", "6" };
    const QStringList missing { "missing" };
    const QString ok = "ok";
    const QString checksum = "failed: Cannot flash device! Error: (52) Packet checksum error";
    const QString unplugged = "failed: unplugged during write (N %)";
    const QString notOpened = "not opened: No such file or directory";
    QTest::addRow("three good") << QList<QStringList> { good, good, good } << QStringList { ok, ok, ok } << 0;
    QTest::addRow("one refuses a block")
        << QList<QStringList> { good, refused, good } << QStringList { ok, checksum, ok } << 1;
    QTest::addRow("one vanishes") << QList<QStringList> { vanishing, good, good }
                                  << QStringList { unplugged, ok, ok } << 1;
    QTest::addRow("one missing") << QList<QStringList> { good, good, missing }
                                 << QStringList { ok, ok, notOpened } << 3;
    QTest::addRow("failed before missing") << QList<QStringList> { missing, refused, good, vanishing }
                                           << QStringList { notOpened, checksum, ok, unplugged } << 1;
    QTest::addRow("one port alone with a log")
        << QList<QStringList> { refused } << QStringList { checksum } << 1;
}

// Each port ends on its own: one that fails or vanishes leaves the others
// to finish, and the summary and the status say which did what.
void tst_RomwrightParallel::severalPorts()
{
    QFETCH(QList<QStringList>, targets);
    QFETCH(QStringList, results);
    QFETCH(int, status);
    QTemporaryDir dir;
    // With interrupt vectors: the option that lets them through reaches every port.
    const QList<sMemory> image { { 0x6000, patterned(200, 3) }, { 0xFFE0, patterned(32, 2) },
        { 0x10000, patterned(40, 4) } };
    const QString firmware = writeFile(dir, "app.txt", toTiTxt(image).toLatin1());
    Bench bench(targets);
    QVERIFY(bench.ready());
    const RomwrightResult result = romwright(QStringList { "--write-vector-area" } + bench.portArguments()
        << "--log" << dir.filePath("units.csv") << firmware);
    bench.finish();
    QVERIFY2(result.exitCode == status, qPrintable(result.out.join('\n') + result.err));
    const QStringList labels = PortFleet::labels(bench.ports);
    const ModelRow kamdel = modelTable().first();
    for (int i = 0; i < targets.size(); ++i) {
        const QStringList lines = linesOf(result.out, labels.at(i));
        const QString summary
            = summaryOf(result.out, labels.at(i)).replace(QRegularExpression("\\(\\d+ %\\)"), "(N %)");
        QVERIFY2(summary.startsWith(results.at(i) + ", "), qPrintable(summary));
        QVERIFY(QRegularExpression("^.*, \\d+\\.\\d\\d s, \\d+ bytes/s$").match(summary).hasMatch());
        if (results.at(i) == "ok") {
            QCOMPARE(lines.value(lines.size() - 1), QString("Finished successfully!"));
            QVERIFY2(bench.targets.at(i)->applicationValid(), qPrintable(bench.targets.at(i)->verdict()));
            QCOMPARE(bench.targets.at(i)->digest(), expectedDigest(kamdel, image));
            QCOMPARE(bench.targets.at(i)->vectorDigest(), expectedVectorDigest(image));
        } else if (bench.targets.at(i)) {
            QVERIFY(!bench.targets.at(i)->applicationValid());
            QVERIFY(lines.contains("The device holds no valid application now."));
        }
    }
    // Every line of the run belongs to a port or to the summary.
    for (const QString& line : result.out)
        QVERIFY2(line.startsWith('[') || !summaryOf({ line }, line.left(line.indexOf(": "))).isEmpty(),
            qPrintable(line));

    // One line per unit in the log, whatever became of it.
    QFile file(dir.filePath("units.csv"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray content = file.readAll();
    QVERIFY(content.startsWith(UnitLog::header()));
    QList<QStringList> records = parseCsv(content).mid(1);
    QCOMPARE(records.size(), targets.size());
    std::sort(records.begin(), records.end(), [&bench](const QStringList& a, const QStringList& b) {
        return bench.ports.indexOf(a.at(2)) < bench.ports.indexOf(b.at(2));
    });
    const QString crc
        = "0x" + QString("%1").arg(expectedChecksum(kamdel, image), 4, 16, QChar('0')).toUpper();
    for (int i = 0; i < targets.size(); ++i) {
        const QStringList fields
            = QStringList(records.at(i)).replaceInStrings(QRegularExpression("\\(\\d+ %\\)"), "(N %)");
        QCOMPARE(fields.mid(1, 7),
            (QStringList { "romwright", bench.ports.at(i), "", "Kamdel", firmware, crc, results.at(i) }));
        // A port that is missing fails within milliseconds: "0.00" then.
        bool timed = false;
        QVERIFY(fields.at(8).toDouble(&timed) >= 0 && timed);
        // Only what went through counts.
        const int bytes = fields.at(9).toInt();
        if (results.at(i) == "ok")
            QCOMPARE(bytes, 272);
        else
            QVERIFY2(bytes < 272 && (bytes == 0) == results.at(i).startsWith("not opened"),
                qPrintable(fields.at(9)));
    }
}

void tst_RomwrightParallel::badFileTouchesNoPort_data()
{
    QTest::addColumn<QByteArray>("content"); // empty: a FIFO with no writer
    QTest::addColumn<QString>("reason");
    QTest::addRow("outside the memory") << QByteArray("@0200\n01 02\nq\n")
                                        << "Address 0x0200 lies outside the memory of the device (allowed: "
                                           "0x4000-0xF7FF, 0x10000-0x23FF7).";
    QTest::addRow("vectors without the option")
        << QByteArray("@6000\n01 02\n@FFFE\n00 60\nq\n") << "give --write-vector-area";
    QTest::addRow("a FIFO, read by nobody") << QByteArray() << "not a regular file";
}

// The file is read and checked once, before any port is touched; a pipe
// is refused at once instead of blocking every port.
void tst_RomwrightParallel::badFileTouchesNoPort()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    Bench bench({ {}, {} });
    QVERIFY(bench.ready());
    QString firmware = dir.filePath("app.fifo");
    if (content.isEmpty())
        QCOMPARE(::mkfifo(QFile::encodeName(firmware).constData(), 0600), 0);
    else
        firmware = writeFile(dir, "app.txt", content);
    const RomwrightResult result = romwright(bench.portArguments() << firmware);
    bench.finish();
    QCOMPARE(result.exitCode, 2);
    QVERIFY2((result.out.join('\n') + result.err).contains(reason),
        qPrintable(result.out.join('\n') + result.err));
    for (const auto& target : bench.targets)
        QCOMPARE(target->requests(), QStringList());
}

void tst_RomwrightParallel::interruptCancelsEveryPort()
{
    QTemporaryDir dir;
    const QString firmware
        = writeFile(dir, "app.txt", toTiTxt({ { 0x6000, patterned(0x4000, 6) } }).toLatin1());
    Bench bench({ { "--baud", "57600" }, { "--baud", "57600" } });
    QVERIFY(bench.ready());
    int writing = 0;
    const RomwrightResult result
        = romwright(bench.portArguments() << firmware, [&writing](QProcess& process, const QString& line) {
              if (line.endsWith("] Write device application code.") && ++writing == 2) {
                  QThread::msleep(300);
                  ::kill(pid_t(process.processId()), SIGINT);
              }
          });
    bench.finish();
    QVERIFY2(result.exitCode == 4, qPrintable(result.out.join('\n') + result.err));
    const QStringList labels = PortFleet::labels(bench.ports);
    for (int i = 0; i < 2; ++i) {
        QVERIFY2(
            summaryOf(result.out, labels.at(i)).startsWith("canceled, "), qPrintable(result.out.join('\n')));
        QVERIFY(linesOf(result.out, labels.at(i)).contains("Flashing canceled."));
        QVERIFY(bench.targets.at(i)->requestsMatching(" jump ").isEmpty());
    }
}

void tst_RomwrightParallel::stationFlashesEachAttachment_data()
{
    QTest::addColumn<bool>("skipPresent");
    QTest::addRow("ports present at the start too") << false;
    QTest::addRow("--skip-present") << true;
}

// A port is flashed when it appears, again only after it went away and came
// back; Ctrl+C lets the station end with the units' status.
void tst_RomwrightParallel::stationFlashesEachAttachment()
{
    QFETCH(bool, skipPresent);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("watched"));
    const QList<sMemory> image { { 0x6000, patterned(160, 7) } };
    const QString firmware = writeFile(dir, "app.txt", toTiTxt(image).toLatin1());
    // The station sees links to the targets' own links, as to a folder of virtual ports.
    auto plug = [&dir](const BslTargetRunner& target, const QString& name) {
        return QFile::link(target.link(), dir.filePath("watched/" + name));
    };
    std::vector<std::unique_ptr<BslTargetRunner>> targets;
    for (int i = 0; i < 3; ++i) {
        targets.push_back(std::make_unique<BslTargetRunner>(QStringList { "--model", "Kamdel" }));
        QVERIFY(targets.back()->isReady());
    }
    QVERIFY(plug(*targets.at(0), "ttyA"));
    QStringList arguments { "station", "--watch", dir.filePath("watched/ttyA*"), "--watch",
        dir.filePath("watched/ttyB*"), "--log", dir.filePath("units.csv"), firmware };
    if (skipPresent)
        arguments.insert(1, "--skip-present");

    QProcess station;
    station.start(QStringLiteral(KAMDEL_TOOLS_DIR "/romwright"), arguments);
    QVERIFY(station.waitForStarted());
    QTest::qWait(700);
    QVERIFY(plug(*targets.at(1), "ttyB"));
    QStringList summaries;
    bool replugged = false;
    const int expectedA = skipPresent ? 1 : 2;
    QElapsedTimer clock;
    clock.start();
    while (station.state() != QProcess::NotRunning && !clock.hasExpired(60000)) {
        station.waitForReadyRead(50);
        while (station.canReadLine()) {
            const QString line = QString::fromUtf8(station.readLine()).trimmed();
            summaries << line;
            if (line.startsWith("ttyB: ") && !replugged) {
                // Unplugged and plugged in again, now to another board.
                QVERIFY(QFile::remove(dir.filePath("watched/ttyA")));
                QTest::qWait(700);
                QVERIFY(plug(*targets.at(2), "ttyA"));
                replugged = true;
            }
        }
        if (replugged && summaries.filter(QRegularExpression("^ttyA: ")).size() == expectedA) {
            QTest::qWait(700);
            ::kill(pid_t(station.processId()), SIGINT);
            QVERIFY(station.waitForFinished(10000));
        }
    }
    summaries += QString::fromUtf8(station.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(station.exitStatus(), QProcess::NormalExit);
    QVERIFY2(station.exitCode() == 0, qPrintable(summaries.join('\n') + station.readAllStandardError()));
    QCOMPARE(summaries.filter(QRegularExpression("^ttyA: ok, ")).size(), expectedA);
    QCOMPARE(summaries.filter(QRegularExpression("^ttyB: ok, ")).size(), 1);
    QCOMPARE(summaries.size(), expectedA + 1);
    for (int i = 0; i < 3; ++i) {
        targets.at(i)->finish();
        QCOMPARE(targets.at(i)->applicationValid(), i > 0 || !skipPresent);
    }
    QFile log(dir.filePath("units.csv"));
    QVERIFY(log.open(QIODevice::ReadOnly));
    QCOMPARE(parseCsv(log.readAll()).size(), expectedA + 2);
}

void tst_RomwrightParallel::stationOneUnit_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("targetOptions");
    QTest::addColumn<int>("interrupts");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("result");
    QTest::addRow("--once") << QStringList { "--once" } << QStringList() << 0 << 0 << "ok";
    QTest::addRow("--once, refused") << QStringList { "--once" } << QStringList { "--fault", "answer=52@5" }
                                     << 0 << 1
                                     << "failed: Cannot flash device! Error: (52) Packet checksum error";
    QTest::addRow("Ctrl+C once: the unit finishes") << QStringList() << QStringList() << 1 << 0 << "ok";
    QTest::addRow("Ctrl+C twice: the unit is canceled")
        << QStringList() << QStringList() << 2 << 4 << "canceled";
}

void tst_RomwrightParallel::stationOneUnit()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, targetOptions);
    QFETCH(int, interrupts);
    QFETCH(int, status);
    QFETCH(QString, result);
    QTemporaryDir dir;
    // About two seconds on the paced line.
    const QString firmware
        = writeFile(dir, "app.txt", toTiTxt({ { 0x6000, patterned(0x1800, 9) } }).toLatin1());
    BslTargetRunner target(QStringList { "--model", "Kamdel", "--baud", "57600" } + targetOptions);
    QVERIFY(target.isReady());
    QProcess station;
    station.start(QStringLiteral(KAMDEL_TOOLS_DIR "/romwright"),
        QStringList { "station" } + options + QStringList { "--watch", target.link(), firmware });
    QByteArray tally;
    QElapsedTimer clock;
    clock.start();
    while (!tally.contains("flashed 0, failed 0, in progress 1") && !clock.hasExpired(20000)) {
        station.waitForReadyRead(50);
        tally += station.readAllStandardError();
    }
    QVERIFY2(tally.contains("flashed 0, failed 0, in progress 1"), tally.constData());
    QTest::qWait(300);
    for (int i = 0; i < interrupts; ++i) {
        ::kill(pid_t(station.processId()), SIGINT);
        QTest::qWait(200);
    }
    QVERIFY(station.state() == QProcess::NotRunning || station.waitForFinished(30000));
    const QStringList out
        = QString::fromUtf8(station.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(station.exitCode(), status);
    QCOMPARE(out.size(), 1);
    QVERIFY2(out.first().startsWith("ttyBSL: " + result + ", "), qPrintable(out.first()));
    target.finish();
    QCOMPARE(target.applicationValid(), result == "ok");
}

void tst_RomwrightParallel::wrongUsage_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addRow("port twice") << QStringList { "--port", "ttyS0", "--ports", "ttyS1,ttyS0", "a.txt" };
    QTest::addRow("empty name in the list") << QStringList { "--ports", "ttyS0,,ttyS1", "a.txt" };
    QTest::addRow("check with ports") << QStringList { "check", "--ports", "ttyS0,ttyS1", "a.txt" };
    QTest::addRow("check with a log") << QStringList { "check", "--log", "u.csv", "a.txt" };
    QTest::addRow("log without a port") << QStringList { "--log", "u.csv", "a.txt" };
    QTest::addRow("station with a port") << QStringList { "station", "--port", "ttyS0", "a.txt" };
    QTest::addRow("watch without station")
        << QStringList { "--watch", "/dev/tty*", "--port", "ttyS0", "a.txt" };
    QTest::addRow("station without a file") << QStringList { "station" };
}

void tst_RomwrightParallel::wrongUsage()
{
    QFETCH(QStringList, arguments);
    const RomwrightResult result = romwright(arguments);
    QCOMPARE(result.exitCode, 64);
    QVERIFY(result.out.isEmpty());
    QVERIFY(result.err.startsWith("romwright: "));
}

void tst_RomwrightParallel::sameDeviceTwice_data()
{
    QTest::addColumn<bool>("byPtsName");
    QTest::addRow("a second link") << false;
    QTest::addRow("the /dev/pts name") << true;
}

// Two names of one board are refused before either is opened.
void tst_RomwrightParallel::sameDeviceTwice()
{
    QFETCH(bool, byPtsName);
    Bench bench({ QStringList() });
    QVERIFY(bench.ready());
    const QString other
        = byPtsName ? QFileInfo(bench.ports.first()).canonicalFilePath() : bench.dir.filePath("again");
    QVERIFY(byPtsName || QFile::link(bench.ports.first(), other));
    const RomwrightResult result = romwright(bench.portArguments() << "--port" << other << "app.txt");
    bench.finish();
    QCOMPARE(result.exitCode, 64);
    QVERIFY2(result.err.contains(bench.ports.first()) && result.err.contains(other), qPrintable(result.err));
    QCOMPARE(bench.targets.front()->requests(), QStringList());
}

// Two globs that find one board through two links: flashed once, the station goes on.
void tst_RomwrightParallel::stationSkipsSecondLink()
{
    Bench bench({ QStringList() });
    QVERIFY(bench.ready() && QFile::link(bench.ports.first(), bench.dir.filePath("twin")));
    const QString firmware
        = writeFile(bench.dir, "app.txt", toTiTxt({ { 0x6000, patterned(64, 1) } }).toLatin1());
    QProcess station;
    station.start(KAMDEL_TOOLS_DIR "/romwright",
        { "station", "--watch", bench.ports.first(), "--watch", bench.dir.filePath("twin"), firmware });
    QTRY_VERIFY_WITH_TIMEOUT(station.canReadLine(), 30000);
    ::kill(pid_t(station.processId()), SIGINT);
    QVERIFY(station.waitForFinished(10000));
    const QString err = station.readAllStandardError();
    QCOMPARE(station.exitCode(), 0);
    QVERIFY2(err.contains("skipped, the same device as") && err.contains("1 unit: 1 passed, 0 failed\n"),
        qPrintable(err));
    QCOMPARE(station.readAllStandardOutput().count('\n'), 1);
}

void tst_RomwrightParallel::logRefusedBeforeAnyPort_data()
{
    QTest::addColumn<QString>("log");
    QTest::addColumn<QString>("reason");
    QTest::addRow("missing folder") << "nowhere/units.csv"
                                    << "No such file or directory";
    QTest::addRow("a folder") << "."
                              << "not a regular file";
    QTest::addRow("a FIFO nobody reads") << "units.fifo"
                                         << "not a regular file";
    QTest::addRow("a device") << "/dev/zero"
                              << "not a regular file";
}

void tst_RomwrightParallel::logRefusedBeforeAnyPort()
{
    QFETCH(QString, log);
    QFETCH(QString, reason);
    Bench bench({ QStringList() });
    QVERIFY(bench.ready());
    const QString path = QDir(bench.dir.path()).absoluteFilePath(log);
    QVERIFY(!log.endsWith(".fifo") || ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    const QString firmware = writeFile(bench.dir, "app.txt", "@6000\n01\nq\n");
    const RomwrightResult result = romwright(bench.portArguments() << "--log" << path << firmware);
    bench.finish();
    QCOMPARE(result.exitCode, 3);
    QVERIFY2(result.err.contains(reason), qPrintable(result.err));
    QCOMPARE(bench.targets.front()->requests(), QStringList());
}

// A line the full disk cut short is taken back whole, with the system's reason.
void tst_RomwrightParallel::fullDiskLeavesNoTornLine()
{
    SmallDisk disk;
    if (!disk.isMounted())
        QSKIP("needs the super-user to mount a small file system");
    UnitLog log(disk.filePath("units.csv"));
    QVERIFY(log.append(recordOf("ttyUSB0", "ok", 1)));
    QFile filler(disk.filePath("filler"));
    QVERIFY(filler.open(QIODevice::WriteOnly));
    while (filler.write(QByteArray(512, 'x')) == 512 && filler.flush()) { }
    const qint64 before = QFileInfo(log.path()).size();
    QVERIFY(!log.append(recordOf("ttyUSB1", "failed: " + QString(64 * 1024, 'y'), 2)));
    QVERIFY2(log.errorString().endsWith("No space left on device"), qPrintable(log.errorString()));
    QCOMPARE(QFileInfo(log.path()).size(), before);
}

void tst_RomwrightParallel::formulaCellsQuoted_data()
{
    QTest::addColumn<QString>("text");
    for (const QString text : { "=SUM(A1)", "+1", "-1", "@x", "=1,2", "a=b" })
        QTest::addRow("%s", qPrintable(text)) << text;
}

// Cells from outside never start a formula; text with = further in stays as it is.
void tst_RomwrightParallel::formulaCellsQuoted()
{
    QFETCH(QString, text);
    const QString cell = parseCsv(UnitLog::line(recordOf(text, "ok", 1))).value(0).value(2);
    QCOMPARE(cell, text.startsWith('a') ? text : "'" + text);
}

// A path relative to the working folder, with no ./ in front.
void tst_RomwrightParallel::relativePortPath()
{
    Bench bench({ QStringList() });
    QVERIFY(bench.ready());
    const QFileInfo link(bench.ports.first());
    const QString firmware = writeFile(bench.dir, "app.txt", "@6000\n01\nq\n");
    const QString before = QDir::currentPath();
    QVERIFY(QDir::setCurrent(link.dir().filePath("..")));
    const RomwrightResult result
        = romwright({ "--port", link.dir().dirName() + "/" + link.fileName(), firmware });
    QDir::setCurrent(before);
    bench.finish();
    QVERIFY2(result.exitCode == 0, qPrintable(result.out.join('\n') + result.err));
}

// Whatever a serial number holds, its first line that passed every step is
// found, and no line that failed or stopped at a step.
void tst_RomwrightParallel::passedLineFindsTheUnit()
{
    QTemporaryDir dir;
    UnitLog log(dir.filePath("units.csv"));
    QString error;
    QCOMPARE(UnitLog::passedLine(log.path(), "A1", &error), QString());
    QRandomGenerator random(7);
    QMap<QString, QString> passed;
    QStringList units;
    for (int n = 0; n < 300; ++n) {
        UnitRecord record = recordOf("ttyUSB0", random.bounded(3) ? "ok" : "failed: no reply", n);
        for (int i = 1 + random.bounded(4); i > 0; --i)
            record.unit += QStringLiteral("=+,\" a1").at(random.bounded(7));
        record.step = random.bounded(3) ? "done" : "test";
        QVERIFY(log.append(record));
        if (record.result == "ok" && record.step == "done" && !passed.contains(record.unit))
            passed[record.unit] = QString::fromUtf8(UnitLog::line(record)).chopped(1);
        units << record.unit;
    }
    for (const QString& unit : units)
        QCOMPARE(UnitLog::passedLine(log.path(), unit, &error), passed.value(unit));
    QVERIFY(error.isEmpty());
}

int main(int argc, char* argv[])
{
    if (argc == 5 && qstrcmp(argv[1], "--append-log") == 0)
        return appendMany(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), atoi(argv[4]));
    QCoreApplication app(argc, argv);
    tst_RomwrightParallel test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_romwrightparallel.moc"
