#include "ShiftTotals.h"

#include "Helper/UnitRecord.h"

#include <QTemporaryDir>
#include <QtTest>

class tst_ShiftTotals : public QObject
{
    Q_OBJECT

private slots:
    void yieldAndPace_data();
    void yieldAndPace();
    void shiftLinesGoBesideTheLog();
};

void tst_ShiftTotals::yieldAndPace_data()
{
    QTest::addColumn<QList<int>>("outcomes");
    QTest::addColumn<int>("minutes");
    QTest::addColumn<double>("yield");
    QTest::addColumn<double>("perHour");
    QTest::addRow("nothing yet") << QList<int>() << 60 << 0.0 << 0.0;
    QTest::addRow("three of four") << QList<int> { 0, 0, 1, 0 } << 30 << 75.0 << 8.0;
    QTest::addRow("canceled counts as failed") << QList<int> { 4, 3 } << 120 << 0.0 << 1.0;
    QTest::addRow("no time passed") << QList<int> { 0 } << 0 << 100.0 << 0.0;
}

void tst_ShiftTotals::yieldAndPace()
{
    QFETCH(QList<int>, outcomes);
    QFETCH(int, minutes);
    QFETCH(double, yield);
    QFETCH(double, perHour);
    const QDateTime start(QDate(2026, 12, 8), QTime(6, 0));
    ShiftTotals totals(start);
    for (int outcome : outcomes) {
        UnitRecord record;
        record.outcome = outcome;
        totals.add(record);
    }
    QCOMPARE(totals.passed() + totals.failed(), outcomes.size());
    QCOMPARE(totals.yield(), yield);
    QCOMPARE(totals.unitsPerHour(start.addSecs(minutes * 60)), perHour);
}

void tst_ShiftTotals::shiftLinesGoBesideTheLog()
{
    QTemporaryDir dir;
    const QString file = ShiftTotals::shiftFileOf(dir.filePath("line2.units.csv"));
    QCOMPARE(file, dir.filePath("line2.units-shifts.csv"));
    const QDateTime start = QDateTime::fromString("2026-12-08T06:00:00Z", Qt::ISODate);
    ShiftTotals totals(start);
    UnitRecord record;
    totals.add(record);
    QString error;
    for (int i = 0; i < 2; ++i)
        QVERIFY2(totals.appendTo(file, start.addSecs(1800), "Bench, 2", "Ana", "a.ini", &error),
            qPrintable(error));
    QFile written(file);
    QVERIFY(written.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = written.readAll().split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], "start,end,station,operator,recipe,passed,failed,yield,units_per_hour");
    QCOMPARE(
        lines[2], "2026-12-08T06:00:00+00:00,2026-12-08T06:30:00+00:00,\"Bench, 2\",Ana,a.ini,1,0,100.0,2.0");
    QCOMPARE(lines[1], lines[2]);
}

QTEST_MAIN(tst_ShiftTotals)
#include "tst_shifttotals.moc"
