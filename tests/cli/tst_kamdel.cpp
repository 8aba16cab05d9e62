#include "DocumentFiles.h"
#include "KamdelPanel1.h"
#include "KamdelPanel2.h"
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
    QFile whole(gif);
    QVERIFY(whole.open(QIODevice::ReadOnly));
    const QString cut = dir.filePath(QStringLiteral("cut.gif"));
    QFile part(cut);
    QVERIFY(part.open(QIODevice::WriteOnly));
    part.write(whole.readAll().left(int(whole.size() / 2)));
    part.close();
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
        "2" } << 64 << "has 1 frames" << QByteArray();
    QTest::addRow("unknown option") << QStringList { "import", target, gif, "-o", out, "--colour" } << 64
                                    << "colour" << QByteArray();
    QTest::addRow("not a picture") << QStringList { "import", target, text, "-o", out } << 2
                                   << "not a picture" << QByteArray();
    QTest::addRow("truncated") << QStringList { "import", target, cut, "-o", out } << 2 << "truncated"
                               << QByteArray();
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
