#include "DeviceItem.h"
#include "DocumentFiles.h"
#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
#include "LedCell.h"
#include "LedStatesCommand.h"
#include "ProgramItem.h"
#include "SequenceFile.h"
#include "VirtualPanelProcess.h"

#include <QImageReader>
#include <QProcess>
#include <QRandomGenerator>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

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
    void csvRoundTrip();
    void generate_data();
    void generate();
    void generateErrors();

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
    QTest::addRow("csv import without output")
        << QStringList { "csv", "import", good, "x.csv" } << 64 << "-o";
    QTest::addRow("missing file") << QStringList { "info", dir.filePath("none.xml") } << 2 << "none.xml";
    QTest::addRow("not a document") << QStringList { "compile", foreign } << 2 << "not a Kamdel document";
    QTest::addRow("broken document") << QStringList { "play", broken } << 2 << "broken.xml";
    QTest::addRow("too large to write") << QStringList { "write", large, "--port", port } << 2 << "8000";
    QTest::addRow("gif of no frames")
        << QStringList { "gif", file("empty.xml", PanelA, {}), dir.filePath("e.gif") } << 2 << "no frame";
    QTest::addRow("port missing on write") << QStringList { "write", good, "--port", port } << 3 << port;
    QTest::addRow("port missing on next") << QStringList { "next", "--port", port } << 3 << port;
    QTest::addRow("port missing on reset") << QStringList { "reset", "--port", port } << 3 << port;
    QTest::addRow("output not writable")
        << QStringList { "compile", good, "-o", dir.filePath("no/such/dir.bin") } << 1 << "dir.bin";
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

    const auto wrong = [](const char* name, const QStringList& arguments, const char* reason) {
        QTest::addRow("%s", name) << arguments << 64 << QString::fromLatin1(reason) << Lit();
    };
    wrong("unknown effect", { "sparkle" }, "unknown effect 'sparkle'");
    wrong("heads not dividing 48", { "chase", "--heads", "5" }, "divide 48");
    wrong("length past the period", { "chase", "--heads", "4", "--length", "13" }, "length");
    wrong("too many frames", { "chase", "--count", "2001" }, "2000");
    wrong("no frames", { "twinkle", "--count", "0" }, "between 1 and 2000");
    wrong("no LEDs per frame", { "fill", "--per-frame", "0" }, "LEDs per frame");
    wrong("direction 2", { "fill", "--direction", "2" }, "direction");
    wrong("width 5", { "ripple", "--width", "5" }, "width");
    wrong("both ripple senses", { "ripple", "--inward", "--outward" }, "exclude");
    wrong("density past 100", { "twinkle", "--density", "101" }, "density");
    wrong("no blinks", { "blink", "--times", "0" }, "blinks");
    wrong("ring 5", { "chase", "--rings", "1,5" }, "--rings");
    wrong("ring not a number", { "chase", "--rings", "x" }, "--rings");
    wrong("step not a number", { "chase", "--step", "1.5" }, "--step takes a whole number");
    wrong("negative seed", { "twinkle", "--seed", "-1" }, "--seed");
    wrong("after past the last frame", { "chase", "--after", "3" }, "--after");
    wrong("frame 0", { "blink", "--frame", "0" }, "--frame");
    wrong("target past the last frame", { "dissolve", "--to", "9" }, "--to");
    wrong("a spin that changes nothing", { "spin", "--frame", "2" }, "no frames");
    wrong("unknown option", { "chase", "--colour", "red" }, "colour");
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

void tst_Kamdel::generateErrors()
{
    const QString empty = file(QStringLiteral("empty.xml"), PanelB, { DocumentFiles::stop() });
    const QString out = dir.filePath(QStringLiteral("never.xml"));
    const Run noFrame
        = kamdel({ QStringLiteral("generate"), empty, QStringLiteral("blink"), QStringLiteral("-o"), out });
    QCOMPARE(noFrame.status, 64);
    QVERIFY2(noFrame.err.contains("has none"), noFrame.err.constData());
    const Run noOutput = kamdel({ QStringLiteral("generate"), empty, QStringLiteral("chase") });
    QCOMPARE(noOutput.status, 64);
    QVERIFY(noOutput.err.contains("-o"));
    const Run missing = kamdel({ QStringLiteral("generate"), dir.filePath(QStringLiteral("none.xml")),
        QStringLiteral("chase"), QStringLiteral("-o"), out });
    QCOMPARE(missing.status, 2);
    QVERIFY(!QFileInfo::exists(out));
    const Run help = kamdel({ QStringLiteral("generate"), QStringLiteral("--help") });
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.contains("--per-frame") && help.out.contains("--then-empty"));
    // A new Program starts with the frames.
    QCOMPARE(
        kamdel({ QStringLiteral("generate"), empty, QStringLiteral("ripple"), QStringLiteral("-o"), out })
            .status,
        0);
    QCOMPARE(kamdel({ QStringLiteral("info"), out }).out.contains("Frames: 4"), true);
}

QTEST_MAIN(tst_Kamdel)
#include "tst_kamdel.moc"
