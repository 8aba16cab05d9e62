#include "CsvRecords.h"
#include "Helper/UnitLog.h"
#include "RomwrightRun.h"

#include <QtTest>

#include <csignal>
#include <memory>

using Fields = QMap<QString, QString>;

namespace {

// One simulated board on a pseudo-terminal, its link where the station looks.
struct Board
{
    Board(const QString& link, const QStringList& options)
    {
        process.start(KAMDEL_TOOLS_DIR "/virtualunit", QStringList(options) << "--headless" << link);
        while (!output.contains("ready ") && process.waitForReadyRead(10000))
            output += process.readAllStandardOutput();
    }
    ~Board() { finish(); }
    // Ends the board; its log: boot-loader requests, then the panel's lines.
    QString finish()
    {
        process.terminate();
        process.waitForFinished(5000);
        return output += process.readAllStandardOutput();
    }
    QProcess process;
    QString output;
};

// A station's folder: firmware, a one-frame program, a recipe made by romwright.
struct Bench
{
    explicit Bench(const QStringList& recipeOptions)
    {
        writeFile(dir, "app.txt", "@6000\n01 02 03 04 05 06 07 08\nq\n");
        writeFile(dir, "show.xml",
            "<LedPanelDocument version=\"1.0\"><Commands><Program index=\"0\"><LedStates><Led index=\"3\">"
            "<state>1</state></Led></LedStates><Stop/></Program></Commands></LedPanelDocument>");
        QDir(dir.path()).mkdir("ports");
        const QStringList files { "--firmware", dir.filePath("app.txt"), "--program",
            dir.filePath("show.xml"), "--log", dir.filePath("units.csv"), "--watch",
            dir.filePath("ports/tty*"), "-o", dir.filePath("a.ini") };
        made = romwright(QStringList { "recipe", "--model", "ZQ-RING-A", "--station", "Bench 9" } + files
                   + recipeOptions)
                   .exitCode
            == 0;
    }
    Board* plug(const QString& name, const QStringList& options = {})
    {
        boards.push_back(std::make_unique<Board>(dir.filePath("ports/" + name), options));
        return boards.back().get();
    }
    // The log's lines as column name to field; "#extra" counts fields beyond the header's.
    QList<Fields> log() const
    {
        QFile file(dir.filePath("units.csv"));
        const QList<QStringList> records
            = file.open(QIODevice::ReadOnly) ? parseCsv(file.readAll()) : QList<QStringList>();
        QList<Fields> rows;
        for (const QStringList& record : records.mid(1)) {
            Fields row { { "#extra", QString::number(record.size() - records.first().size()) } };
            for (int i = 0; i < record.size(); ++i)
                row.insert(records.first().value(i), record.at(i));
            rows << row;
        }
        return rows;
    }
    RomwrightResult station(const QByteArray& answers, const QStringList& options,
        const std::function<void(QProcess&, const QString&)>& whileRunning = {})
    {
        return romwright(
            QStringList { "station", "--recipe", dir.filePath("a.ini"), "--operator", "Ann" } + options,
            whileRunning, 0, KAMDEL_TOOLS_DIR "/romwright", writeFile(dir, "answers", answers));
    }

    QTemporaryDir dir;
    bool made = false;
    std::vector<std::unique_ptr<Board>> boards;
};

} // namespace

class tst_StationRun : public QObject
{
    Q_OBJECT

private slots:
    void oneUnit_data();
    void oneUnit();
    void threeUnitsAtOnce();
};

void tst_StationRun::oneUnit_data()
{
    QTest::addColumn<QStringList>("board");
    QTest::addColumn<QStringList>("recipe");
    QTest::addColumn<QByteArray>("answers");
    QTest::addColumn<int>("exitCode");
    // The programs the panel received: the test pattern and the light program.
    QTest::addColumn<int>("images");
    QTest::addColumn<Fields>("expected");
    const QStringList tested { "--test", "--serial-required" };
    QTest::addRow("good, test passed")
        << QStringList() << tested << QByteArray("S1\nP\n") << 0 << 2
        << Fields { { "result", "ok" }, { "step", "done" }, { "test", "pass" }, { "unit", "S1" } };
    QTest::addRow("test failed") << QStringList() << tested << QByteArray("S1\nF\n") << 1 << 1
                                 << Fields { { "result", "failed: Failed the test" }, { "step", "test" },
                                        { "test", "fail" } };
    QTest::addRow("dead") << QStringList { "--dead" } << QStringList() << QByteArray() << 1 << 0
                          << Fields { { "result", "failed: No answer during firmware" },
                                 { "step", "firmware" }, { "test", "skipped" } };
    QTest::addRow("unplugged during firmware")
        << QStringList { "--unplug-at", "firmware:3" } << QStringList() << QByteArray() << 1 << 0
        << Fields { { "result", "failed: Unplugged during firmware \\(\\d+ %\\)" }, { "step", "firmware" } };
    QTest::addRow("refused block") << QStringList { "--fault", "answer=c5@3" } << QStringList()
                                   << QByteArray() << 1 << 0
                                   << Fields { { "result", "failed: (?!No answer|Unplugged).+" } };
    QTest::addRow("serial passed before, asked again")
        << QStringList() << QStringList { "--serial-required" } << QByteArray("S0\nS2\n") << 0 << 1
        << Fields { { "result", "ok" }, { "unit", "S2" }, { "test", "skipped" } };
}

// Each unit ends in one whole log line with the station's fields.
void tst_StationRun::oneUnit()
{
    QFETCH(QStringList, board);
    QFETCH(QStringList, recipe);
    QFETCH(QByteArray, answers);
    QFETCH(int, exitCode);
    QFETCH(int, images);
    QFETCH(Fields, expected);
    Bench bench(recipe);
    QVERIFY(bench.made);
    UnitRecord earlier;
    earlier.unit = "S0";
    earlier.result = "ok";
    earlier.step = "done";
    QVERIFY(UnitLog(bench.dir.filePath("units.csv")).append(earlier));
    Board* unit = bench.plug("ttyU0", board);
    const RomwrightResult run = bench.station(answers, { "--once" });
    QVERIFY2(run.exitCode == exitCode, qPrintable(run.out.join('\n') + run.err));
    QCOMPARE(unit->finish().count("IMAGE "), images);
    const QList<Fields> rows = bench.log();
    QCOMPARE(rows.size(), 2);
    const Fields row = rows.last();
    expected.insert({ { "tool", "station" }, { "station", "Bench 9" }, { "operator", "Ann" },
        { "model", "ZQ-RING-A" }, { "program", "show.xml" }, { "program_crc", "0x[0-9A-F]{4}" },
        { "firmware_sha256", "[0-9a-f]{64}" }, { "port", ".+/ports/ttyU0" }, { "#extra", "0" } });
    for (auto it = expected.cbegin(); it != expected.cend(); ++it)
        QVERIFY2(QRegularExpression("^" + it.value() + "$").match(row.value(it.key())).hasMatch(),
            qPrintable(it.key() + "=" + row.value(it.key())));
    const QString out = run.out.join('\n');
    QCOMPARE(out.count("ttyU0: serial number? "), answers.count('S'));
    QCOMPARE(out.contains("ttyU0: S0 has passed before: "), answers.startsWith("S0"));
    QCOMPARE(
        run.out.filter(QRegularExpression("ttyU0: (ok|failed: .+), [\\d.]+ s, \\d+ bytes/s$")).size(), 1);
}

// Units on several ports run side by side, each ending in a whole line of its own.
void tst_StationRun::threeUnitsAtOnce()
{
    Bench bench({});
    QVERIFY(bench.made);
    for (const char* name : { "ttyU1", "ttyU2", "ttyU3" })
        bench.plug(name);
    int finished = 0;
    const RomwrightResult run = bench.station({}, {}, [&finished](QProcess& process, const QString& line) {
        if (line.contains(QRegularExpression("ttyU\\d: ok, ")) && ++finished == 3)
            ::kill(pid_t(process.processId()), SIGINT);
    });
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QStringList ports;
    for (const Fields& row : bench.log()) {
        QCOMPARE(row.value("#extra"), "0");
        QCOMPARE(row.value("result"), "ok");
        ports << QFileInfo(row.value("port")).fileName();
    }
    ports.sort();
    QCOMPARE(ports, QStringList({ "ttyU1", "ttyU2", "ttyU3" }));
}

QTEST_GUILESS_MAIN(tst_StationRun)
#include "tst_stationrun.moc"
