#include "Languages.h"
#include "Recipe.h"
#include "StationBench.h"
#include "StationLink.h"
#include "StationRun.h"
#include "StationWindow.h"
#include "UnitTile.h"

#include <QLineEdit>
#include <QtTest>

class tst_StationSession : public QObject
{
    Q_OBJECT

private slots:
    void windowDrivesRealUnits();
};

// The window linked to a real run, in German: serial numbers scanned, the
// verdict keyed, and the tiles end as the log records the units, the log in
// English whatever the window's language.
void tst_StationSession::windowDrivesRealUnits()
{
    QVERIFY(Languages::install(QStringLiteral("de")));
    Bench bench({ "--test", "--serial-required" });
    QVERIFY(bench.made);
    Recipe recipe;
    QString error;
    QVERIFY(recipe.read(bench.dir.filePath("a.ini"), &error));
    StationWindow window;
    window.setRecipe(recipe, bench.dir.filePath("a.ini"));
    StationRun run(recipe, { "Ann", false, false });
    StationLink::connect(window, run);
    QVERIFY2(run.start(&error), qPrintable(error));
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const auto tile = [&window](const QString& label) {
        for (UnitTile* tile : window.findChildren<UnitTile*>()) {
            if (tile->state().label == label)
                return tile->state();
        }
        return UnitState();
    };
    bench.plug("ttyU0");
    bench.plug("ttyU1", { "--unplug-at", "firmware:3" });
    QTRY_VERIFY_WITH_TIMEOUT(tile("ttyU0").serialWanted && tile("ttyU1").serialWanted, 10000);
    auto* scan = window.findChild<QLineEdit*>("scan");
    for (const char* serial : { "S7", "S8" }) {
        QTest::keyClicks(scan, serial);
        QTest::keyClick(scan, Qt::Key_Return);
    }
    QTRY_VERIFY_WITH_TIMEOUT(tile("ttyU0").verdictWanted, 30000);
    QTest::keyClick(scan, Qt::Key_P);
    QTRY_COMPARE_WITH_TIMEOUT(tile("ttyU0").step, UnitState::Step::Passed, 30000);
    QTRY_COMPARE_WITH_TIMEOUT(tile("ttyU1").step, UnitState::Step::Failed, 30000);
    QVERIFY2(tile("ttyU1").reason.startsWith("Getrennt während Firmware"), qPrintable(tile("ttyU1").reason));
    QMap<QString, QString> units;
    for (const Fields& row : bench.log())
        units.insert(
            row.value("unit"), row.value("step") + "/" + row.value("test") + "/" + row.value("result"));
    QCOMPARE(units.value("S7"), "done/pass/ok");
    QVERIFY2(units.value("S8").startsWith("firmware/skipped/failed: Unplugged during firmware ("),
        qPrintable(units.value("S8")));
}

QTEST_MAIN(tst_StationSession)
#include "tst_stationsession.moc"
