#include "DocumentFiles.h"
#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "SmallDisk.h"
#include "VirtualPanelProcess.h"
#include "formats/SequenceFile.h"
#include "model/DeviceItem.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "model/RingLanes.h"
#include "views/LanePainter.h"

#include <QImageReader>
#include <QProcess>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString Kamdel = QStringLiteral(KAMDEL_TOOLS_DIR "/kamdel");
const QString PanelA = QStringLiteral("1.0");
const QString PanelB = QStringLiteral("2.0");

struct Run
{
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run kamdel(const QStringList& arguments)
{
    QProcess process;
    process.start(Kamdel, arguments);
    Run run;
    if (!process.waitForFinished(60000))
        return run;
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    run.out = process.readAllStandardOutput();
    run.err = process.readAllStandardError();
    return run;
}

// What the virtual panel prints for a frame: 48 hex digits, LED 0 the top
// bit of the first.
QString bitsToHex(const QString& bits)
{
    QString hex;
    for (int d = 0; d < bits.size() / 4; ++d)
        hex += QString::number(bits.mid(4 * d, 4).toInt(nullptr, 2), 16);
    return hex;
}

QByteArray contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

bool isCharacterDevice(const QString& path)
{
    struct stat info
    {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 && S_ISCHR(info.st_mode);
}

QString randomFrame(QRandomGenerator& random)
{
    QVector<int> on;
    for (int led = 0; led < 192; ++led) {
        if (random.bounded(4) == 0)
            on << led;
    }
    return DocumentFiles::frame(on);
}

// A program of frames with now and then a Reset, Call, Return or Stop.
QStringList randomCommands(QRandomGenerator& random)
{
    QStringList commands;
    const int count = 1 + random.bounded(12);
    for (int i = 0; i < count; ++i) {
        const int pick = random.bounded(20);
        if (pick == 0)
            commands << DocumentFiles::reset();
        else if (pick == 1)
            commands << QStringLiteral("<Call/>");
        else if (pick == 2 && i > count / 2)
            commands << QStringLiteral("<Return/>");
        else if (pick == 3 && i > count / 2)
            commands << DocumentFiles::stop();
        else
            commands << randomFrame(random);
    }
    if (random.bounded(2) == 0)
        commands << DocumentFiles::reset();
    return commands;
}

} // namespace

class tst_Kamdel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void exitStatus_data();
    void exitStatus();
    void info_data();
    void info();
    void compileGivesTheEditorsImage_data();
    void compileGivesTheEditorsImage();
    void playShowsWhatThePanelShows();
    void gifHasTheFrames();
    void lanesShowTheFrames_data();
    void lanesShowTheFrames();
    void csvRoundTrip();
    void generate_data();
    void generate();
    void generateIntoAnEmptyDocument();
    void resultOverTheFrameLimitIsRefused_data();
    void resultOverTheFrameLimitIsRefused();
    void outputThatIsTheInputIsRefused_data();
    void outputThatIsTheInputIsRefused();
    void outputErrorsGiveTheSystemsReason_data();
    void outputErrorsGiveTheSystemsReason();
    void fullDiskKeepsTheOldOutput_data();
    void fullDiskKeepsTheOldOutput();
    void fifoOutputIsWrittenNotReplaced();
    void standardStreams();
    void pipedSequenceIsBounded();
    void signalCancelsTheWrite_data();
    void signalCancelsTheWrite();
    void writeToSeveralPanels_data();
    void writeToSeveralPanels();

    void importPictures_data();
    void importPictures();

private:
    QString file(const QString& name, const QString& version, const QStringList& commands);
    QTemporaryDir dir;
};

void tst_Kamdel::initTestCase()
{
    QVERIFY(dir.isValid());
    QVERIFY(QFileInfo(Kamdel).isExecutable());
}

QString tst_Kamdel::file(const QString& name, const QString& version, const QStringList& commands)
{
    const QString path = dir.filePath(name);
    DocumentFiles::write(path, DocumentFiles::document(version, commands));
    return path;
}

void tst_Kamdel::exitStatus_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");
    const QString good = file(QStringLiteral("good.xml"), PanelA, { DocumentFiles::frame({ 1 }) });
    QStringList huge;
    for (int i = 0; i < 330; ++i)
        huge << DocumentFiles::frame({ i % 192 });
    const QString large = file(QStringLiteral("large.xml"), PanelB, huge);
    const QString broken = dir.filePath(QStringLiteral("broken.xml"));
    DocumentFiles::write(
        broken, DocumentFiles::document(PanelA, {}).replace(QLatin1String("</Commands>"), QString()));
    const QString foreign = dir.filePath(QStringLiteral("foreign.xml"));
    DocumentFiles::write(foreign, QStringLiteral("<svg/>"));
    const QString port = QStringLiteral("/dev/kamdel-no-such-port");

    QTest::addRow("no command") << QStringList() << 64 << "no command";
    QTest::addRow("unknown command") << QStringList { "frobnicate" } << 64 << "frobnicate";
    QTest::addRow("unknown option") << QStringList { "info", good, "--colour" } << 64 << "colour";
    QTest::addRow("missing file argument") << QStringList { "play" } << 64 << "play";
    QTest::addRow("write without port") << QStringList { "write", good } << 64 << "--port";
    QTest::addRow("steps not a number") << QStringList { "play", good, "--steps", "x" } << 64 << "--steps";
    QTest::addRow("gif delay too short")
        << QStringList { "gif", good, "o.gif", "--delay", "10" } << 64 << "--delay";
    QTest::addRow("gif odd side") << QStringList { "gif", good, "o.gif", "--side", "left" } << 64 << "--side";
    QTest::addRow("lanes odd side") << QStringList { "lanes", good, "-o", "l.png", "--side", "up" } << 64
                                    << "--side";
    QTest::addRow("lanes scale 0") << QStringList { "lanes", good, "-o", "l.png", "--scale", "0" } << 64
                                   << "--scale";
    QTest::addRow("lanes without output") << QStringList { "lanes", good } << 64 << "lanes";
    QTest::addRow("csv import without output")
        << QStringList { "csv", "import", good, "x.csv" } << 64 << "-o";
    QTest::addRow("missing file") << QStringList { "info", dir.filePath("none.xml") } << 2 << "none.xml";
    QTest::addRow("not a document") << QStringList { "compile", foreign } << 2 << "not a Kamdel document";
    QTest::addRow("broken document") << QStringList { "play", broken } << 2 << "broken.xml";
    QTest::addRow("too large to write") << QStringList { "write", large, "--port", port } << 2 << "8000";
    QTest::addRow("too large to compile") << QStringList { "compile", large } << 2 << "8000";
    QTest::addRow("too large, compiled all the same") << QStringList { "compile", large, "--ignore-capacity",
        "-o", dir.filePath("large.bin") } << 0 << QString();
    const QString header = dir.filePath(QStringLiteral("header.csv"));
    DocumentFiles::write(header, QStringLiteral("\uFEFF0,1,2,3\n\n"));
    QTest::addRow("sequence without frames") << QStringList { "csv", "import", good, header, "-o",
        dir.filePath("x.xml") } << 2 << "The file holds no frames.";
    QTest::addRow("sequence that is a directory")
        << QStringList { "csv", "import", good, dir.path(), "-o", dir.filePath("x.xml") } << 2 << "directory";
    QTest::addRow("document that is a device") << QStringList { "info", "/dev/zero" } << 2 << "/dev/zero";
    const QString empty = file("empty.xml", PanelA, {});
    QTest::addRow("gif of no frames")
        << QStringList { "gif", empty, dir.filePath("e.gif") } << 2 << "no frame";
    QTest::addRow("generate without output") << QStringList { "generate", good, "chase" } << 64 << "-o";
    QTest::addRow("blink of no frame")
        << QStringList { "generate", empty, "blink", "-o", dir.filePath("g.xml") } << 64 << "has none";
    QTest::addRow("generate from a missing file")
        << QStringList { "generate", dir.filePath("none.xml"), "chase", "-o", dir.filePath("g.xml") } << 2
        << "none.xml";
    QTest::addRow("port missing on write") << QStringList { "write", good, "--port", port } << 3 << port;
    QTest::addRow("port missing on next") << QStringList { "next", "--port", port } << 3 << port;
    QTest::addRow("port missing on reset") << QStringList { "reset", "--port", port } << 3 << port;
    QTest::addRow("output not writable")
        << QStringList { "compile", good, "-o", dir.filePath("no/such/dir.bin") } << 1 << "dir.bin";
    const QStringList rows = QVector<QString>(20002, QStringLiteral("0")).toList();
    const QString percent = dir.filePath(QStringLiteral("big%2x%3.csv"));
    DocumentFiles::write(percent, rows.join(QLatin1Char('\n')));
    QTest::addRow("name with a percent sign")
        << QStringList { "csv", "import", good, percent, "-o", dir.filePath("x.xml") } << 2 << "big%2x%3.csv";
    const QString loop = dir.filePath(QStringLiteral("loop.xml"));
    QFile::link(loop, loop);
    QTest::addRow("link in a loop") << QStringList { "info", loop } << 2 << "leads nowhere";
    QTest::addRow("import after -1") << QStringList { "import", good, percent, "-o", dir.filePath("x.xml"),
        "--after", "-1" } << 64 << "--after takes 0 to 1";
    QTest::addRow("help") << QStringList { "--help" } << 0 << QString();
    QTest::addRow("version") << QStringList { "--version" } << 0 << QString();
}

void tst_Kamdel::exitStatus()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, reason);
    const Run run = kamdel(arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(QString::fromLocal8Bit(run.err).contains(reason), run.err.constData());
    if (status == 0)
        QVERIFY(run.err.isEmpty());
}

void tst_Kamdel::info_data()
{
    QTest::addColumn<QString>("version");
    QTest::addColumn<QStringList>("commands");
    QTest::addColumn<QString>("json");
    QTest::addRow("A, two frames")
        << PanelA << QStringList { DocumentFiles::frame({ 0 }), DocumentFiles::frame({}), "<Stop/>" }
        << R"({"model": "ZQ-RING-A", "frames": 2, "collections": 0, "imageBytes": 51, "capacity": 8000})";
    QTest::addRow("B, empty")
        << PanelB << QStringList()
        << R"({"model": "ZQ-RING-B", "frames": 0, "collections": 0, "imageBytes": 4, "capacity": 8000})";
}

void tst_Kamdel::info()
{
    QFETCH(QString, version);
    QFETCH(QStringList, commands);
    QFETCH(QString, json);
    const Run run = kamdel({ QStringLiteral("info"), file(QStringLiteral("info.xml"), version, commands),
        QStringLiteral("--json") });
    QCOMPARE(run.status, 0);
    QCOMPARE(QString::fromUtf8(run.out).trimmed(), json);
}

void tst_Kamdel::compileGivesTheEditorsImage_data()
{
    QTest::addColumn<QString>("version");
    QTest::addRow("ZQ-RING-A") << PanelA;
    QTest::addRow("ZQ-RING-B") << PanelB;
}

void tst_Kamdel::compileGivesTheEditorsImage()
{
    QFETCH(QString, version);
    QRandomGenerator random(7);
    const QString path
        = file(QStringLiteral("compile.xml"), version, randomCommands(random) + randomCommands(random));
    std::unique_ptr<KamdelDocument> document(
        version == PanelA ? static_cast<KamdelDocument*>(new KamdelPanel1) : new KamdelPanel2);
    QVERIFY(document->load(path));
    document->compile();
    const QByteArray image = document->createBinnary();

    const QString out = dir.filePath(QStringLiteral("image.bin"));
    QCOMPARE(kamdel({ QStringLiteral("compile"), path, QStringLiteral("-o"), out }).status, 0);
    QFile written(out);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), image);

    const Run hex = kamdel({ QStringLiteral("compile"), path });
    QCOMPARE(hex.status, 0);
    QCOMPARE(QByteArray::fromHex(hex.out), image);
}

// The frames `kamdel play` prints are those the virtual panel shows when the
// image is written to it with `kamdel write` and stepped with Next.
void tst_Kamdel::playShowsWhatThePanelShows()
{
    VirtualPanelProcess panel;
    const QString link = dir.filePath(QStringLiteral("panel"));
    QVERIFY(panel.start(link));
    QSerialPort port(link);
    port.setBaudRate(QSerialPort::Baud57600);
    QRandomGenerator random(20261207);
    for (int round = 0; round < 6; ++round) {
        const QString version = round % 2 ? PanelB : PanelA;
        const QString path = file(QStringLiteral("round%1.xml").arg(round), version, randomCommands(random));
        const Run played
            = kamdel({ QStringLiteral("play"), path, QStringLiteral("--steps"), QStringLiteral("20") });
        QCOMPARE(played.status, 0);
        const QStringList expected
            = QString::fromLatin1(played.out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(!expected.isEmpty());

        panel.clear();
        const Run written = kamdel({ QStringLiteral("write"), path, QStringLiteral("--port"), link });
        QVERIFY2(written.status == 0, written.err.constData());
        QVERIFY(panel.waitFor(QStringLiteral("START")));
        QVERIFY(port.open(QIODevice::ReadWrite));
        for (int step = 0; step < expected.size(); ++step) {
            port.write(QByteArray("\x02\x00\x00\x00", 4));
            QVERIFY(port.waitForBytesWritten(5000) || port.bytesToWrite() == 0);
            QTest::qWait(15);
        }
        port.close();
        const int steps = expected.size();
        QTRY_COMPARE_WITH_TIMEOUT(panel.linesStartingWith(QStringLiteral("FRAME ")).size()
                + panel.linesStartingWith(QStringLiteral("HOLD ")).size(),
            steps, 10000);
        QStringList shown;
        for (const QString& line : qAsConst(panel.lines)) {
            const QStringList words = line.split(QLatin1Char(' '));
            if (words.first() == QLatin1String("FRAME"))
                shown << QStringLiteral("frame %1 %2").arg(words.at(1), words.at(2));
            else if (words.first() == QLatin1String("HOLD"))
                shown << QStringLiteral("hold %1").arg(words.at(1));
        }
        QStringList expectedHex;
        for (const QString& line : expected) {
            const QStringList words = line.split(QLatin1Char(' '));
            expectedHex << (words.first() == QLatin1String("frame")
                    ? QStringLiteral("frame %1 %2").arg(words.at(1), bitsToHex(words.at(2)))
                    : line);
        }
        QCOMPARE(shown, expectedHex);
    }
}

void tst_Kamdel::gifHasTheFrames()
{
    const QString path = file(QStringLiteral("gif.xml"), PanelB,
        { DocumentFiles::frame({ 0 }), DocumentFiles::frame({ 1 }), DocumentFiles::frame({ 2 }),
            DocumentFiles::reset() });
    const QString gif = dir.filePath(QStringLiteral("run.gif"));
    const Run run = kamdel({ QStringLiteral("gif"), path, gif, QStringLiteral("--frames"),
        QStringLiteral("5"), QStringLiteral("--size"), QStringLiteral("300"), QStringLiteral("--delay"),
        QStringLiteral("40") });
    QCOMPARE(run.status, 0);
    QImageReader reader(gif);
    QCOMPARE(reader.imageCount(), 5);
    QCOMPARE(reader.read().size(), QSize(300, 300));
    QCOMPARE(reader.nextImageDelay(), 40);
}

void tst_Kamdel::lanesShowTheFrames_data()
{
    QTest::addColumn<QString>("side");
    QTest::addColumn<int>("scale");
    QTest::addColumn<QList<QVector<int>>>("frames");
    QTest::addRow("bottom") << "bottom" << 4 << QList<QVector<int>> { { 0, 1 }, { 47, 48 }, { 191 }, {} };
    QTest::addRow("top, large") << "top" << 11 << QList<QVector<int>> { { 5, 100, 150 }, { 0 }, { 96, 97 } };
    QTest::addRow("top, one pixel") << "top" << 1 << QList<QVector<int>> { { 1 }, { 2 }, { 3 }, { 4 } };
}

// Every cell of the picture is lit exactly when its frame lights the LED the
// board shows at that place.
void tst_Kamdel::lanesShowTheFrames()
{
    QFETCH(QString, side);
    QFETCH(int, scale);
    QFETCH(QList<QVector<int>>, frames);
    QStringList commands;
    for (const QVector<int>& on : qAsConst(frames))
        commands << DocumentFiles::frame(on) << DocumentFiles::reset();
    const QString path = file(QStringLiteral("lanes.xml"), PanelA, commands);
    const QString png = dir.filePath(QStringLiteral("lanes.png"));
    const Run run = kamdel({ "lanes", path, "-o", png, "--side", side, "--scale", QString::number(scale) });
    QCOMPARE(run.status, 0);
    const QImage image(png);
    LanePainter lanes;
    lanes.setZoom(scale, scale);
    lanes.setSide(side == QLatin1String("top") ? Top : Bottom);
    QCOMPARE(
        image.size(), lanes.pictureSize() + QSize(0, frames.size() * (scale + LanePainter::bandHeight())));
    for (int frame = 0; frame < frames.size(); ++frame) {
        for (int led = 0; led < 192; ++led) {
            const QRect cell = lanes.cellRect(0, led / 48, RingLanes::columnOf(led, lanes.side()))
                                   .translated(0, frame * (scale + LanePainter::bandHeight()));
            const bool lit = qRed(image.pixel(cell.center())) > 200;
            QVERIFY2(lit == frames.at(frame).contains(led),
                qPrintable(QStringLiteral("%1/%2").arg(frame).arg(led)));
        }
    }
}

void tst_Kamdel::csvRoundTrip()
{
    const QString source = file(QStringLiteral("csv.xml"), PanelA,
        { DocumentFiles::frame({ 0, 5 }), DocumentFiles::frame({ 191 }), DocumentFiles::stop() });
    const QString target = file(QStringLiteral("target.xml"), PanelA, { DocumentFiles::frame({}) });
    const QString csv = dir.filePath(QStringLiteral("frames.csv"));
    const QString out = dir.filePath(QStringLiteral("out.xml"));
    QCOMPARE(kamdel({ QStringLiteral("csv"), QStringLiteral("export"), source, csv }).status, 0);
    QCOMPARE(
        kamdel({ QStringLiteral("csv"), QStringLiteral("import"), target, csv, QStringLiteral("-o"), out })
            .status,
        0);
    const Run before = kamdel({ QStringLiteral("play"), source });
    const Run after = kamdel({ QStringLiteral("play"), out });
    // The target takes the frames, not the Stop: it runs on into the fill.
    QCOMPARE(after.out, before.out);
}

using Lit = QList<QVector<int>>;

// The LEDs first .. last, and more.
QVector<int> leds(int first, int last, const QVector<int>& more = {})
{
    QVector<int> on;
    for (int k = first; k <= last; ++k)
        on << k;
    on += more;
    std::sort(on.begin(), on.end());
    return on;
}

void tst_Kamdel::generate_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<Lit>("frames"); // the Program's frames after, when written

    QTest::addRow("chase on the outer and inner rings")
        << QStringList { "chase", "--rings", "1,4", "--length", "2", "--step", "-1", "--count", "2" } << 0
        << QString() << Lit { { 3 }, {}, { 0, 1, 144, 145 }, { 0, 47, 144, 191 } };
    QTest::addRow("fill backwards after frame 1") << QStringList {
        "fill", "--rings", "2", "--per-frame", "24", "--start", "12", "--direction", "-1", "--after", "1"
    } << 0 << QString() << Lit { { 3 }, leds(48, 60, leds(85, 95)), leds(48, 95), {} };
    QTest::addRow("fill then empty") << QStringList { "fill", "--rings", "1", "--per-frame", "48",
        "--then-empty" } << 0 << QString()
                                     << Lit { { 3 }, {}, leds(0, 47), {} };
    QTest::addRow("ripple inward at the start") << QStringList { "ripple", "--inward", "--width", "3",
        "--after", "0" } << 0 << QString() << Lit { leds(48, 191), leds(0, 143), { 3 }, {} };
    QTest::addRow("ripple bouncing") << QStringList { "ripple", "--width", "2", "--bounce" } << 0 << QString()
                                     << Lit { { 3 }, {}, leds(0, 95), leds(48, 143), leds(96, 191),
                                            leds(48, 143) };
    QTest::addRow("blink inverted") << QStringList { "blink", "--frame", "1", "--times", "1", "--invert" }
                                    << 0 << QString() << Lit { { 3 }, {}, { 3 }, leds(0, 2, leds(4, 191)) };
    QTest::addRow("dissolve to the next frame by default") << QStringList { "dissolve", "--frame", "1",
        "--count", "1" } << 0 << QString() << Lit { { 3 }, {}, {} };
    QTest::addRow("spin of one ring") << QStringList { "spin", "--frame", "1", "--step", "12", "--rings",
        "1" } << 0 << QString() << Lit { { 3 }, {}, { 15 }, { 27 }, { 39 } };
    QTest::addRow("twinkle always on ring 3") << QStringList {
        "twinkle", "--rings", "3", "--density", "100", "--count", "2", "--seed", "4000000000"
    } << 0 << QString() << Lit { { 3 }, {}, leds(96, 143), leds(96, 143) };
    QTest::addRow("hold the first frame") << QStringList { "hold", "--frame", "1", "--count", "2" } << 0
                                          << QString() << Lit { { 3 }, { 3 }, { 3 }, {} };
    QTest::addRow("repeat the Program twice") << QStringList { "repeat", "--times", "2" } << 0 << QString()
                                              << Lit { { 3 }, {}, { 3 }, {}, { 3 }, {} };
    QTest::addRow("reverse") << QStringList { "reverse" } << 0 << QString() << Lit { {}, { 3 } };
    QTest::addRow("ping-pong") << QStringList { "pingpong", "--frame", "1", "--to", "2" } << 0 << QString()
                               << Lit { { 3 }, {}, { 3 } };
    QTest::addRow("chase added over frame 1, past the end") << QStringList {
        "chase", "--rings", "1", "--length", "1", "--count", "3", "--over", "1", "--combine", "add"
    } << 0 << QString() << Lit { { 0, 3 }, { 1 }, { 2 } };
    QTest::addRow("inserted onto a copy of frame 1")
        << QStringList { "chase", "--rings", "2", "--length", "1", "--count", "1", "--keep", "--after", "1" }
        << 0 << QString() << Lit { { 3 }, { 3, 48 }, {} };
    QTest::addRow("chase speeding up") << QStringList { "chase", "--rings", "1", "--length", "1", "--count",
        "3", "--step", "4", "--ease", "in", "--after", "0" }
                                       << 0 << QString() << Lit { { 0 }, { 2 }, { 8 }, { 3 }, {} };
    QTest::addRow("twinkle growing dense") << QStringList { "twinkle", "--rings", "1", "--density", "0",
        "--density-end", "100", "--count", "2", "--after", "0" }
                                           << 0 << QString() << Lit { {}, leds(0, 47), { 3 }, {} };

    const auto wrong = [](const char* name, const QStringList& arguments, const char* reason) {
        QTest::addRow("%s", name) << arguments << 64 << QString::fromLatin1(reason) << Lit();
    };
    wrong("unknown effect", { "sparkle" }, "unknown effect 'sparkle'");
    wrong("heads not dividing 48", { "chase", "--heads", "5" }, "divide 48");
    wrong("too many frames", { "chase", "--count", "2001" }, "2000");
    wrong("both ripple senses", { "ripple", "--inward", "--outward" }, "exclude");
    wrong("ring 5", { "chase", "--rings", "1,5" }, "--rings");
    wrong("ring not a number", { "chase", "--rings", "x" }, "--rings");
    wrong("step not a number", { "chase", "--step", "1.5" }, "--step takes a whole number");
    wrong("negative seed", { "twinkle", "--seed", "-1" }, "--seed");
    wrong("after past the last frame", { "chase", "--after", "3" }, "--after takes 0 to 2");
    wrong("after -1", { "chase", "--after", "-1" }, "--after takes 0 to 2");
    wrong("frame 0", { "blink", "--frame", "0" }, "--frame");
    wrong("target past the last frame", { "dissolve", "--to", "9" }, "--to");
    wrong("a spin that changes nothing", { "spin", "--frame", "2" }, "no frames");
    wrong("unknown option", { "chase", "--colour", "red" }, "colour");
    wrong("hold past the last frame", { "hold", "--frame", "3" }, "--frame takes 1 to 2");
    wrong("hold of 1001 copies", { "hold", "--count", "1001" }, "--count takes 1 to 1000");
    wrong("repeat no times", { "repeat", "--times", "0" }, "--times takes 1 to 100");
    wrong("run ending before its start", { "reverse", "--frame", "2", "--to", "1" }, "--to takes 2 to 2");
    wrong("run past the last frame", { "pingpong", "--to", "3" }, "--to takes 1 to 2");
    wrong("frame not a number", { "repeat", "--frame", "x" }, "--frame takes 1 to 2");
    wrong("after and over", { "chase", "--after", "1", "--over", "1" }, "exclude");
    wrong("over past the last frame", { "chase", "--over", "3" }, "--over takes 1 to 2");
    wrong("unknown combination", { "chase", "--combine", "xor" }, "--combine");
    wrong("unknown ease", { "chase", "--ease", "fast" }, "--ease");
    wrong("density at the end over 100", { "twinkle", "--density-end", "101" }, "--density-end");
}

void tst_Kamdel::generate()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, reason);
    QFETCH(Lit, frames);

    const QString source = file(QStringLiteral("effects.xml"), PanelA,
        { DocumentFiles::frame({ 3 }), DocumentFiles::frame({}), DocumentFiles::stop() });
    const QString out = dir.filePath(QStringLiteral("%1.xml").arg(QTest::currentDataTag()));
    const Run run = kamdel(QStringList { QStringLiteral("generate"), source } + arguments
        + QStringList { QStringLiteral("-o"), out });
    QCOMPARE(run.status, status);
    QVERIFY2(QString::fromLocal8Bit(run.err).contains(reason), run.err.constData());
    QCOMPARE(QFileInfo::exists(out), status == 0);
    if (status != 0)
        return;

    KamdelPanel1 document;
    QVERIFY(document.load(out));
    ProgramItem* program = document.deviceItem()->program(0);
    Lit lit;
    for (LedStatesCommand* frame : SequenceFile::frames(program)) {
        QVector<int> on;
        for (int k = 0; k < frame->leds().size(); ++k) {
            if (frame->leds().at(k)->value())
                on << k;
        }
        lit << on;
    }
    QCOMPARE(lit, frames);
    // The Stop stays last, behind every frame added.
    QCOMPARE(program->child(program->childCount() - 1)->type(), int(AbstractTreeItem::Stop));
}

// Frames added to a document without any make its first.
void tst_Kamdel::generateIntoAnEmptyDocument()
{
    const QString empty = file(QStringLiteral("empty-program.xml"), PanelB, { DocumentFiles::stop() });
    const QString out = dir.filePath(QStringLiteral("rippled.xml"));
    QCOMPARE(kamdel({ "generate", empty, "ripple", "-o", out }).status, 0);
    QVERIFY(kamdel({ "info", out }).out.contains("Frames: 4"));
}

void tst_Kamdel::resultOverTheFrameLimitIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments"); // DOC, OUT: the document, the output
    QTest::addColumn<int>("status");
    const QString two = file(
        QStringLiteral("two.xml"), PanelA, { DocumentFiles::frame({ 1 }), DocumentFiles::frame({ 2 }) });
    const QString gif = dir.filePath(QStringLiteral("two.gif"));
    QCOMPARE(kamdel({ "gif", two, gif }).status, 0);
    QTest::addRow("generate up to the limit")
        << QStringList { "generate", "DOC", "chase", "--count", "1" } << 0;
    QTest::addRow("generate past it") << QStringList { "generate", "DOC", "chase", "--count", "2" } << 2;
    QTest::addRow("import past it") << QStringList { "import", "DOC", gif } << 2;
    QTest::addRow("hold past it") << QStringList { "generate", "DOC", "hold", "--count", "2" } << 2;
}

// 19,999 frames: one more fits, two would make a document nothing opens.
void tst_Kamdel::resultOverTheFrameLimitIsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    const QString doc = file(
        QStringLiteral("limit.xml"), PanelA, QVector<QString>(19999, DocumentFiles::frame({})).toList());
    const QString out = dir.filePath(QStringLiteral("limit-out.xml"));
    QFile::remove(out);
    const QByteArray before = contents(doc);
    const Run run = kamdel(arguments.replaceInStrings("DOC", doc) << "-o" << out);
    QCOMPARE(run.status, status);
    QCOMPARE(contents(doc), before);
    if (status == 0)
        QVERIFY(kamdel({ "info", out }).out.contains("Frames: 20000"));
    else
        QVERIFY2(run.err.contains("at most 20") && !QFileInfo::exists(out), run.err.constData());
}

void tst_Kamdel::outputThatIsTheInputIsRefused_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("input");
    const QString doc = file(QStringLiteral("same.xml"), PanelA, { DocumentFiles::frame({ 3 }) });
    const QString link = dir.filePath(QStringLiteral("same-link.xml"));
    QFile::remove(link);
    QVERIFY(QFile::link(doc, link));
    const QString hard = dir.filePath(QStringLiteral("same-hard.xml"));
    QFile::remove(hard);
    QCOMPARE(::link(QFile::encodeName(doc).constData(), QFile::encodeName(hard).constData()), 0);
    const QString csv = dir.filePath(QStringLiteral("same.csv"));
    QCOMPARE(kamdel({ "csv", "export", doc, csv }).status, 0);

    QTest::addRow("compile, same path") << QStringList { "compile", doc, "-o", doc } << doc;
    QTest::addRow("generate, symbolic link") << QStringList { "generate", doc, "blink", "-o", link } << doc;
    QTest::addRow("gif, hard link") << QStringList { "gif", doc, hard } << doc;
    QTest::addRow("csv export, symbolic link") << QStringList { "csv", "export", link, doc } << doc;
    QTest::addRow("csv import over the sequence")
        << QStringList { "csv", "import", doc, csv, "-o", csv } << csv;
    QTest::addRow("csv import over the document")
        << QStringList { "csv", "import", doc, csv, "-o", hard } << doc;
    const QString gif = dir.filePath(QStringLiteral("same.gif"));
    QCOMPARE(kamdel({ "gif", doc, gif }).status, 0);
    QTest::addRow("import over the document") << QStringList { "import", doc, gif, "-o", link } << doc;
    QTest::addRow("import over the picture") << QStringList { "import", doc, gif, "-o", gif } << gif;
    QDir(dir.path()).mkdir(QStringLiteral("sub"));
    const QString up = dir.filePath(QStringLiteral("sub/../same.xml"));
    QTest::addRow("generate, same path") << QStringList { "generate", doc, "spin", "-o", doc } << doc;
    QTest::addRow("generate, hard link") << QStringList { "generate", doc, "spin", "-o", hard } << doc;
    QTest::addRow("generate, ../") << QStringList { "generate", doc, "spin", "-o", up } << doc;
    QTest::addRow("import, hard link") << QStringList { "import", doc, gif, "-o", hard } << doc;
    QTest::addRow("import, ../") << QStringList { "import", up, gif, "-o", doc } << doc;
    QTest::addRow("csv import, ../") << QStringList { "csv", "import", doc, csv, "-o", up } << doc;
    QTest::addRow("csv export, ../") << QStringList { "csv", "export", up, doc } << doc;
    QTest::addRow("compile, symbolic link") << QStringList { "compile", doc, "-o", link } << doc;
    QTest::addRow("gif, ../") << QStringList { "gif", up, doc } << doc;
    QTest::addRow("lanes, hard link") << QStringList { "lanes", doc, "-o", hard } << doc;
}

void tst_Kamdel::outputThatIsTheInputIsRefused()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, input);
    const QByteArray before = contents(input);
    const Run run = kamdel(arguments);
    QCOMPARE(run.status, 64);
    QVERIFY2(run.err.contains("input file"), run.err.constData());
    QCOMPARE(contents(input), before);
    QVERIFY(QFileInfo(input).isFile());
}

void tst_Kamdel::outputErrorsGiveTheSystemsReason_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("reason");
    const QString doc = file(QStringLiteral("full.xml"), PanelB, { DocumentFiles::frame({ 7 }) });
    const QString csv = dir.filePath(QStringLiteral("full.csv"));
    QCOMPARE(kamdel({ "csv", "export", doc, csv }).status, 0);
    const QString full = QStringLiteral("/dev/full");
    const QString noSpace = QString::fromLocal8Bit(std::strerror(ENOSPC));
    QTest::addRow("compile to a full device") << QStringList { "compile", doc, "-o", full } << noSpace;
    QTest::addRow("gif to a full device") << QStringList { "gif", doc, full } << noSpace;
    QTest::addRow("csv export to a full device") << QStringList { "csv", "export", doc, full } << noSpace;
    QTest::addRow("csv import to a full device")
        << QStringList { "csv", "import", doc, csv, "-o", full } << noSpace;
    QTest::addRow("into a missing folder") << QStringList { "csv", "export", doc,
        dir.filePath("no/such.csv") } << QString::fromLocal8Bit(std::strerror(ENOENT));
}

// A device node is written, never replaced by a renamed file (which only
// root could do to /dev/full, but would do silently).
void tst_Kamdel::outputErrorsGiveTheSystemsReason()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, reason);
    if (arguments.contains(QStringLiteral("/dev/full")) && !isCharacterDevice(QStringLiteral("/dev/full")))
        QSKIP("no /dev/full on this system");
    const Run run = kamdel(arguments);
    QCOMPARE(run.status, 1);
    QVERIFY2(QString::fromLocal8Bit(run.err).contains(reason), run.err.constData());
    QVERIFY(!run.err.contains("Unknown error"));
    if (arguments.contains(QStringLiteral("/dev/full")))
        QVERIFY(isCharacterDevice(QStringLiteral("/dev/full")));
}

void tst_Kamdel::fullDiskKeepsTheOldOutput_data()
{
    QTest::addColumn<QStringList>("command"); // OUT stands for the output
    QTest::addRow("csv export") << QStringList { "csv", "export", "DOC", "OUT" };
    QTest::addRow("compile") << QStringList { "compile", "DOC", "--ignore-capacity", "-o", "OUT" };
    QTest::addRow("gif") << QStringList { "gif", "DOC", "OUT", "--size", "1024", "--frames", "20" };
}

// A good output on a disk that fills up during the new write stays as it
// was, and the reason is the system's.
void tst_Kamdel::fullDiskKeepsTheOldOutput()
{
    QFETCH(QStringList, command);
    SmallDisk disk;
    if (!disk.isMounted())
        QSKIP("making a small file system takes the super-user");
    QStringList frames;
    for (int i = 0; i < 2000; ++i)
        frames << DocumentFiles::frame({ i % 192, (i * 7) % 192, (i * 13) % 192 });
    const QString doc = file(QStringLiteral("fill.xml"), PanelA, frames);
    const QString out = disk.filePath(QStringLiteral("output"));
    const QByteArray good = QByteArray("good output\n").repeated(2500);
    QVERIFY(DocumentFiles::write(out, QString::fromLatin1(good)));
    command.replaceInStrings(QStringLiteral("DOC"), doc);
    command.replaceInStrings(QStringLiteral("OUT"), out);
    const Run run = kamdel(command);
    QCOMPARE(run.status, 1);
    QVERIFY2(QString::fromLocal8Bit(run.err).contains(QString::fromLocal8Bit(std::strerror(ENOSPC))),
        run.err.constData());
    QCOMPARE(contents(out), good);
    QCOMPARE(disk.entries(), QStringList { "output" });
}

void tst_Kamdel::fifoOutputIsWrittenNotReplaced()
{
    const QString doc = file(QStringLiteral("fifo.xml"), PanelA, { DocumentFiles::frame({ 1, 2 }) });
    const QString plain = dir.filePath(QStringLiteral("fifo-plain.csv"));
    QCOMPARE(kamdel({ "csv", "export", doc, plain }).status, 0);
    const QString fifo = dir.filePath(QStringLiteral("out.fifo"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QProcess writer;
    writer.start(Kamdel, { "csv", "export", doc, fifo });
    QVERIFY(writer.waitForStarted());
    // Opening blocks until the writer has opened its end.
    QFile reader(fifo);
    QVERIFY(reader.open(QIODevice::ReadOnly));
    const QByteArray got = reader.readAll();
    QVERIFY(writer.waitForFinished(30000));
    QCOMPARE(writer.exitCode(), 0);
    QCOMPARE(got, contents(plain));
    struct stat info
    {
    };
    QCOMPARE(::stat(QFile::encodeName(fifo).constData(), &info), 0);
    QVERIFY(S_ISFIFO(info.st_mode));
}

void tst_Kamdel::standardStreams()
{
    const QString doc = file(QStringLiteral("streams.xml"), PanelB,
        { DocumentFiles::frame({ 0 }), DocumentFiles::frame({ 4, 5 }), DocumentFiles::reset() });
    const QString bin = dir.filePath(QStringLiteral("streams.bin"));
    const QString csv = dir.filePath(QStringLiteral("streams.csv"));
    QCOMPARE(kamdel({ "compile", doc, "-o", bin }).status, 0);
    QCOMPARE(kamdel({ "csv", "export", doc, csv }).status, 0);
    const Run image = kamdel({ "compile", doc, "-o", "-" });
    QCOMPARE(image.status, 0);
    QCOMPARE(image.out, contents(bin));
    const Run table = kamdel({ "csv", "export", doc, "-" });
    QCOMPARE(table.status, 0);
    QCOMPARE(table.out, contents(csv));
    const Run gif = kamdel({ "gif", doc, "-", "--frames", "2" });
    QCOMPARE(gif.status, 0);
    QVERIFY(gif.out.startsWith("GIF89a"));

    // A sequence comes in on standard input as from its file.
    const QString target = file(QStringLiteral("streams-target.xml"), PanelB, {});
    QProcess process;
    process.setStandardInputFile(csv);
    process.start(Kamdel, { "csv", "import", target, "-", "-o", dir.filePath("streams-out.xml") });
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 0);
    QCOMPARE(kamdel({ "play", dir.filePath("streams-out.xml"), "--steps", "2" }).out,
        kamdel({ "play", doc, "--steps", "2" }).out);
}

// An endless line on a pipe is refused once the bound is read, while the
// pipe is still open: the size a file claims does not bound a pipe.
void tst_Kamdel::pipedSequenceIsBounded()
{
    const QString target = file(QStringLiteral("piped.xml"), PanelA, {});
    QProcess process;
    process.start(Kamdel, { "csv", "import", target, "/dev/stdin", "-o", dir.filePath("piped-out.xml") });
    QVERIFY(process.waitForStarted());
    const QByteArray chunk = QByteArray("1,").repeated(1 << 19);
    const qint64 limit = qint64(1) << 30;
    qint64 written = 0;
    while (process.state() == QProcess::Running && written < limit) {
        written += process.write(chunk);
        process.waitForBytesWritten(10000);
    }
    QVERIFY2(written < limit, "the whole gigabyte was taken");
    QVERIFY(process.state() == QProcess::NotRunning || process.waitForFinished(30000));
    QCOMPARE(process.exitCode(), 2);
    QVERIFY(process.readAllStandardError().contains("holds more than"));
    QVERIFY(!QFileInfo::exists(dir.filePath("piped-out.xml")));
}

void tst_Kamdel::signalCancelsTheWrite_data()
{
    QTest::addColumn<int>("signal");
    QTest::addRow("terminal closed (SIGHUP)") << SIGHUP;
    QTest::addRow("SIGTERM") << SIGTERM;
    QTest::addRow("Ctrl+C (SIGINT)") << SIGINT;
}

// The write ends after the block under way, says how far it came, and the
// panel has received exactly that many blocks and no Reset.
void tst_Kamdel::signalCancelsTheWrite()
{
    QFETCH(int, signal);
    QStringList frames;
    for (int i = 0; i < 200; ++i)
        frames << DocumentFiles::frame({ i % 192 });
    const QString doc = file(QStringLiteral("long.xml"), PanelA, frames);
    VirtualPanelProcess panel;
    const QString link = dir.filePath(QStringLiteral("signal-panel"));
    QVERIFY(panel.start(link));
    QProcess writer;
    writer.start(Kamdel, { "write", doc, "--port", link });
    QVERIFY(panel.waitFor(QStringLiteral("RX BLOCK"), 3, 30000));
    ::kill(pid_t(writer.processId()), signal);
    QVERIFY(writer.waitForFinished(30000));
    QCOMPARE(writer.exitStatus(), QProcess::NormalExit);
    QCOMPARE(writer.exitCode(), 4);
    const QString err = QString::fromLocal8Bit(writer.readAllStandardError());
    const QRegularExpressionMatch match
        = QRegularExpression(QStringLiteral("canceled after block (\\d+) of (\\d+)")).match(err);
    QVERIFY2(match.hasMatch(), qPrintable(err));
    panel.settle();
    QCOMPARE(panel.linesStartingWith(QStringLiteral("RX BLOCK")).size(), match.captured(1).toInt());
    QVERIFY(match.captured(1).toInt() < match.captured(2).toInt());
    QVERIFY(panel.linesStartingWith(QStringLiteral("RX RESET")).isEmpty());
}

void tst_Kamdel::writeToSeveralPanels_data()
{
    QTest::addColumn<QStringList>("panels");
    QTest::addColumn<int>("status");
    QTest::addRow("three panels") << QStringList { "ok", "ok", "ok" } << 0;
    QTest::addRow("one port missing") << QStringList { "ok", "missing", "ok" } << 3;
    QTest::addRow("pulled and missing") << QStringList { "missing", "pulled", "ok" } << 1;
}

// Every panel gets the program at the same time; one that is missing or
// pulled in the middle leaves the others to finish, and the summary, the
// status and the log say which did what.
void tst_Kamdel::writeToSeveralPanels()
{
    QFETCH(QStringList, panels);
    QFETCH(int, status);
    QTemporaryDir links;
    QStringList frames;
    for (int i = 0; i < 20; ++i)
        frames << DocumentFiles::frame({ i, 100 + i });
    const QString path = file(QStringLiteral("many.xml"), PanelA, frames);
    std::vector<std::unique_ptr<VirtualPanelProcess>> running;
    QStringList arguments { QStringLiteral("write"), path };
    for (int i = 0; i < panels.size(); ++i) {
        const QString link = links.filePath(QStringLiteral("panel%1").arg(i));
        running.push_back(std::make_unique<VirtualPanelProcess>());
        if (panels.at(i) != QLatin1String("missing"))
            QVERIFY(running.back()->start(link));
        arguments << QStringLiteral("--port") << link;
    }
    const QString log = links.filePath(QStringLiteral("units.csv"));
    QProcess process;
    process.start(Kamdel, arguments << QStringLiteral("--log") << log);
    const int pulled = panels.indexOf(QStringLiteral("pulled"));
    if (pulled >= 0) {
        QVERIFY(running.at(pulled)->waitFor(QStringLiteral("RX BLOCK"), 1, 30000));
        running.at(pulled)->kill();
    }
    QVERIFY(process.waitForFinished(60000));
    const QStringList out
        = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    QVERIFY2(process.exitCode() == status, qPrintable(out.join('\n') + process.readAllStandardError()));

    QFile logFile(log);
    QVERIFY(logFile.open(QIODevice::ReadOnly));
    const QStringList logLines = QString::fromUtf8(logFile.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(logLines.size(), panels.size() + 1);
    for (int i = 0; i < panels.size(); ++i) {
        const QString label = QStringLiteral("panel%1").arg(i);
        const QString expected = panels.at(i) == QLatin1String("ok") ? QStringLiteral("ok")
            : panels.at(i) == QLatin1String("missing")               ? QStringLiteral("not opened: ")
                                                                     : QStringLiteral("failed: ");
        const QStringList summary = out.filter(QRegularExpression(QStringLiteral("^%1: ").arg(label)));
        QCOMPARE(summary.size(), 1);
        QVERIFY2(
            summary.first().startsWith(label + QStringLiteral(": ") + expected), qPrintable(summary.first()));
        if (panels.at(i) == QLatin1String("ok")) {
            QVERIFY(running.at(i)->waitFor(QStringLiteral("START")));
            QCOMPARE(running.at(i)->linesStartingWith(QStringLiteral("RX BLOCK")).size(), 16);
            QVERIFY2(out
                         .filter(QRegularExpression(
                             QStringLiteral("^\\[%1\\] Memory use \\d+% \\(\\d+ of 8000\\)\\.$").arg(label)))
                         .size()
                    == 1,
                qPrintable(out.join('\n')));
        }
        const QStringList logged = logLines.filter(QStringLiteral(",%1,").arg(links.filePath(label)));
        QCOMPARE(logged.size(), 1);
        QVERIFY2(logged.first().contains(QStringLiteral(",kamdel,")), qPrintable(logged.first()));
        QVERIFY2(logged.first().contains(QStringLiteral(",ZQ-RING-A,%1,0x").arg(path)),
            qPrintable(logged.first()));
        QVERIFY2(logged.first().contains(QStringLiteral(",") + expected), qPrintable(logged.first()));
    }
}

// The LED lines `play` prints for frames with the given LEDs on.
static QByteArray played(const QList<QVector<int>>& frames)
{
    QByteArray out;
    for (int i = 0; i < frames.size(); ++i) {
        QByteArray bits(192, '0');
        for (int led : frames.at(i))
            bits[led] = '1';
        out += "frame " + QByteArray::number(i + 1) + ' ' + bits + '\n';
    }
    return out + "hold STOP\n";
}

void tst_Kamdel::importPictures_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<QByteArray>("frames");

    // Three frames drawn by the GIF export from the top, and read back.
    const QVector<int> a { 0, 1, 2, 60, 191 };
    const QVector<int> b { 47, 48, 100, 150 };
    const QVector<int> c { 5 };
    const QString source = file(QStringLiteral("import-source.xml"), PanelB,
        { DocumentFiles::frame(a), DocumentFiles::frame(b), DocumentFiles::frame(c), DocumentFiles::stop() });
    const QString gif = dir.filePath(QStringLiteral("import.gif"));
    QCOMPARE(kamdel({ "gif", source, gif, "--side", "top", "--size", "160" }).status, 0);
    const QString target = file(
        QStringLiteral("import-target.xml"), PanelA, { DocumentFiles::frame({ 7 }), DocumentFiles::stop() });
    const QString text = dir.filePath(QStringLiteral("notes.gif"));
    DocumentFiles::write(text, QStringLiteral("not a picture"));
    const QString out = dir.filePath(QStringLiteral("imported.xml"));
    QVector<int> notC;
    for (int led = 0; led < 192; ++led) {
        if (!c.contains(led))
            notC << led;
    }

    QTest::addRow("after the last frame") << QStringList { "import", target, gif, "-o", out, "--side", "top" }
                                          << 0 << QString() << played({ { 7 }, a, b, c });
    QTest::addRow("first, one frame, at the start") << QStringList { "import", target, gif, "-o", out,
        "--side", "top", "--after", "0", "--first", "2", "--frames", "1" }
                                                    << 0 << QString() << played({ b, { 7 } });
    QTest::addRow("inverted after frame 1") << QStringList { "import", target, gif, "-o", out, "--side",
        "top", "--first", "3", "--invert", "--after", "1" }
                                            << 0 << QString() << played({ { 7 }, notC });
    QTest::addRow("everything lit at 0 percent")
        << QStringList { "import", target, gif, "-o", out, "--threshold", "0", "--frames", "1", "--after",
               "0" }
        << 0 << QString()
        << played({ QVector<int>(), { 7 } }).replace(QByteArray(192, '0'), QByteArray(192, '1'));
    QTest::addRow("no output") << QStringList { "import", target, gif } << 64 << "-o" << QByteArray();
    QTest::addRow("no picture") << QStringList { "import", target, "-o", out } << 64 << "picture"
                                << QByteArray();
    QTest::addRow("threshold over 100") << QStringList { "import", target, gif, "-o", out, "--threshold",
        "101" } << 64 << "--threshold" << QByteArray();
    QTest::addRow("odd side") << QStringList { "import", target, gif, "-o", out, "--side", "left" } << 64
                              << "--side" << QByteArray();
    QTest::addRow("frame 0") << QStringList { "import", target, gif, "-o", out, "--first", "0" } << 64
                             << "--first" << QByteArray();
    QTest::addRow("no frames") << QStringList { "import", target, gif, "-o", out, "--frames", "0" } << 64
                               << "--frames" << QByteArray();
    QTest::addRow("past the picture's frames")
        << QStringList { "import", target, gif, "-o", out, "--first", "3", "--frames", "2" } << 64
        << "hold 3 frames" << QByteArray();
    QTest::addRow("after a frame not there") << QStringList { "import", target, gif, "-o", out, "--after",
        "2" } << 64 << "--after takes 0 to 1" << QByteArray();
    QTest::addRow("not a picture") << QStringList { "import", target, text, "-o", out } << 2
                                   << "not a picture" << QByteArray();
    QTest::addRow("no document") << QStringList { "import", dir.filePath("none.xml"), gif, "-o", out } << 2
                                 << "none.xml" << QByteArray();
    QTest::addRow("output not writable")
        << QStringList { "import", target, gif, "-o", dir.filePath("no/such/dir.xml") } << 1 << "dir.xml"
        << QByteArray();
}

// What the document plays after the import; nothing is written when the
// import is refused.
void tst_Kamdel::importPictures()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, reason);
    QFETCH(QByteArray, frames);
    const QString out = arguments.value(arguments.indexOf(QStringLiteral("-o")) + 1);
    QFile::remove(out);
    const Run run = kamdel(arguments);
    QCOMPARE(run.status, status);
    QVERIFY2(QString::fromLocal8Bit(run.err).contains(reason), run.err.constData());
    if (status != 0) {
        QVERIFY(!QFile::exists(out) || !arguments.contains(QStringLiteral("-o")));
        return;
    }
    QVERIFY(run.err.isEmpty());
    QCOMPARE(
        kamdel({ QStringLiteral("play"), out, QStringLiteral("--steps"), QStringLiteral("20") }).out, frames);
}

QTEST_MAIN(tst_Kamdel)
#include "tst_kamdel.moc"
