#include "Helper/UnitLog.h"
#include "StationBench.h"

#include <QtTest>

#include <csignal>

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
                                 << Fields { { "result", "failed: Not every LED lit in the test" }, { "step", "test" },
                                        { "test", "fail" } };
    QTest::addRow("dead") << QStringList { "--dead" } << QStringList() << QByteArray() << 1 << 0
                          << Fields { { "result", "failed: No answer during firmware" },
                                 { "step", "firmware" }, { "test", "skipped" } };
    QTest::addRow("unplugged during firmware")
        << QStringList { "--unplug-at", "firmware:3" } << QStringList() << QByteArray() << 1 << 0
        << Fields { { "result", "failed: Unplugged during firmware \\(\\d+ %\\)" }, { "step", "firmware" } };
    QTest::addRow("refused block") << QStringList { "--fault", "answer=c5@3" } << QStringList()
                                   << QByteArray() << 1 << 0
                                   << Fields { { "result", "failed: firmware: .+" } };
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
