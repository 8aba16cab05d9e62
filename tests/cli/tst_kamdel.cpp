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
    void writeToSeveralPanels_data();
    void writeToSeveralPanels();

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

void tst_Kamdel::writeToSeveralPanels_data()
{
    QTest::addColumn<QStringList>("panels");
    QTest::addColumn<int>("status");
    QTest::addRow("three panels") << QStringList { "ok", "ok", "ok" } << 0;
    QTest::addRow("one port missing") << QStringList { "ok", "missing", "ok" } << 3;
    QTest::addRow("one panel pulled mid-write") << QStringList { "pulled", "ok", "ok" } << 1;
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

QTEST_MAIN(tst_Kamdel)
#include "tst_kamdel.moc"
