#include "RecipeDialog.h"
#include "StationWindow.h"
#include "UnitTile.h"
#include "dialogs/Questions.h"
#include "edits/DocumentEdits.h"
#include "model/DeviceItem.h"
#include "model/PanelDocument.h"
#include "model/ProgramItem.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

using Step = UnitState::Step;
Q_DECLARE_METATYPE(UnitState::Step)

namespace {

UnitState unit(const QString& label, Step step = Step::Waiting, bool serialWanted = false)
{
    UnitState state;
    state.port = "/dev/" + label;
    state.label = label;
    state.step = step;
    state.serialWanted = serialWanted;
    state.verdictWanted = step == Step::Test;
    state.since = QDateTime::currentDateTime();
    return state;
}

QString tone(const QColor& c)
{
    const int hue = c.hslHue();
    return c.hslSaturation() < 16 ? "grey" : hue < 30 || hue > 330 ? "red" : hue < 170 ? "green" : "blue";
}

// The window on screen and active, so that its keys work, and what it told.
struct Station
{
    Station()
    {
        QObject::connect(&window, &StationWindow::serialEntered,
            [this](const QString& port, const QString& serial) { said << port + "=" + serial; });
        QObject::connect(&window, &StationWindow::verdict,
            [this](const QString& port, bool pass) { said << port + (pass ? ":pass" : ":fail"); });
        QObject::connect(&window, &StationWindow::finishThenClose, [this] { said << "finish"; });
        QObject::connect(&window, &StationWindow::cancelThenClose, [this] { said << "cancel"; });
        window.show();
        QApplication::setActiveWindow(&window);
        QVERIFY(QTest::qWaitForWindowActive(&window));
        scan()->setFocus();
    }
    QLineEdit* scan() { return window.findChild<QLineEdit*>("scan"); }

    StationWindow window;
    QStringList said;
};

} // namespace

class tst_StationWindow : public QObject
{
    Q_OBJECT

private slots:
    void tileFollowsTheUnit_data();
    void tileFollowsTheUnit();
    void scannedSerialGoesToTheFirstWaitingTile_data();
    void scannedSerialGoesToTheFirstWaitingTile();
    void keysAnswerTheOldestQuestion_data();
    void keysAnswerTheOldestQuestion();
    void closingWhileUnitsRun_data();
    void closingWhileUnitsRun();
    void recipeDialogKeepsARecipeThatCannotStart();
};

void tst_StationWindow::tileFollowsTheUnit_data()
{
    QTest::addColumn<Step>("step");
    QTest::addColumn<int>("percent");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tone");
    QTest::addRow("waiting") << Step::Waiting << -1 << "Waiting"
                             << "grey";
    QTest::addRow("firmware") << Step::Firmware << 63 << "Firmware 63\u00a0%"
                              << "blue";
    QTest::addRow("test asks") << Step::Test << -1 << "Test: look at the panel"
                               << "blue";
    QTest::addRow("program") << Step::Program << 40 << "Program 40\u00a0%"
                             << "blue";
    QTest::addRow("passed") << Step::Passed << 100 << "PASS"
                            << "green";
    QTest::addRow("failed") << Step::Failed << 63 << "FAIL: Unplugged during firmware (63\u00a0%)"
                            << "red";
}

void tst_StationWindow::tileFollowsTheUnit()
{
    QFETCH(Step, step);
    QFETCH(int, percent);
    QFETCH(QString, text);
    QFETCH(QString, tone);
    UnitState state = unit("ttyUSB0", step);
    state.percent = percent;
    state.reason = "Unplugged during firmware (63 %)";
    StationWindow window;
    window.showUnit(unit("ttyUSB0", Step::Test));
    window.showUnit(state);
    const auto tiles = window.findChildren<UnitTile*>();
    QCOMPARE(tiles.size(), 1);
    QCOMPARE(tiles[0]->findChild<QLabel*>("step")->text(), text);
    QCOMPARE(::tone(tiles[0]->palette().color(QPalette::Window)), tone);
    QCOMPARE(tiles[0]->findChild<QPushButton*>("pass")->isVisibleTo(tiles[0]), step == Step::Test);
}

void tst_StationWindow::scannedSerialGoesToTheFirstWaitingTile_data()
{
    QTest::addColumn<QStringList>("waiting");
    QTest::addColumn<QString>("expected");
    QTest::addRow("port order, not arrival") << QStringList { "ttyUSB10", "ttyUSB2" } << "/dev/ttyUSB2=S1";
    QTest::addRow("a busy port is skipped") << QStringList { "ttyUSB9" } << "/dev/ttyUSB9=S1";
    QTest::addRow("kept for the next unit") << QStringList() << "/dev/ttyUSB7=S1";
}

void tst_StationWindow::scannedSerialGoesToTheFirstWaitingTile()
{
    QFETCH(QStringList, waiting);
    QFETCH(QString, expected);
    Station station;
    station.window.showUnit(unit("ttyUSB1", Step::Firmware));
    for (const QString& label : waiting)
        station.window.showUnit(unit(label, Step::Waiting, true));
    QTest::keyClicks(station.scan(), " S1 ");
    QTest::keyClick(station.scan(), Qt::Key_Return);
    if (waiting.isEmpty()) {
        QVERIFY(station.said.isEmpty());
        station.window.showUnit(unit("ttyUSB7", Step::Waiting, true));
    }
    QCOMPARE(station.said, QStringList { expected });
    QVERIFY(station.scan()->text().isEmpty());
}

void tst_StationWindow::keysAnswerTheOldestQuestion_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<bool>("inField");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("fieldAfter");
    const QString older = "/dev/ttyUSB3:", newer = "/dev/ttyUSB1:";
    QTest::addRow("P in the empty field") << "P" << true << QStringList { older + "pass" } << QString();
    QTest::addRow("P then F, one each")
        << "PF" << true << QStringList { older + "pass", newer + "fail" } << QString();
    QTest::addRow("F window-wide") << "F" << false << QStringList { older + "fail" } << QString();
    QTest::addRow("a serial being typed") << "RAP" << true << QStringList() << "RAP";
}

void tst_StationWindow::keysAnswerTheOldestQuestion()
{
    QFETCH(QString, keys);
    QFETCH(bool, inField);
    QFETCH(QStringList, expected);
    QFETCH(QString, fieldAfter);
    Station station;
    station.window.showUnit(unit("ttyUSB3", Step::Test));
    station.window.showUnit(unit("ttyUSB1", Step::Test));
    QWidget* target = inField ? static_cast<QWidget*>(station.scan()) : &station.window;
    for (const QChar key : keys)
        QTest::keyClick(target, key.toLatin1());
    QCOMPARE(station.said, expected);
    QCOMPARE(station.scan()->text(), fieldAfter);
}

void tst_StationWindow::closingWhileUnitsRun_data()
{
    QTest::addColumn<int>("running");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("openAfter");
    QTest::addRow("nothing runs") << 0 << -1 << QStringList() << false;
    QTest::addRow("let them finish") << 2 << int(QMessageBox::Yes) << QStringList { "finish" } << true;
    QTest::addRow("cancel units") << 2 << int(QMessageBox::Abort) << QStringList { "cancel" } << true;
    QTest::addRow("keep running") << 2 << int(QMessageBox::Cancel) << QStringList() << true;
}

void tst_StationWindow::closingWhileUnitsRun()
{
    QFETCH(int, running);
    QFETCH(int, answer);
    QFETCH(QStringList, expected);
    QFETCH(bool, openAfter);
    Station station;
    Questions::Scope answers;
    int asked = 0;
    answers.dialog = [&](QDialog&) { return ++asked, answer; };
    station.window.setRunning(running);
    station.window.close();
    QCOMPARE(asked, running > 0 ? 1 : 0);
    QCOMPARE(station.said, expected);
    QCOMPARE(station.window.isVisible(), openAfter);
    // Once the chosen way has ended the units, the window goes.
    station.window.setRunning(0);
    QCOMPARE(station.window.isVisible(), expected.isEmpty() && openAfter);
}

void tst_StationWindow::recipeDialogKeepsARecipeThatCannotStart()
{
    QTemporaryDir dir;
    Recipe recipe;
    recipe.model = PanelDocument::modelLabel(PanelDocument::Panel::RingA);
    recipe.firmware = dir.filePath("fw.txt");
    recipe.program = dir.filePath("show.xml");
    recipe.watch = QStringList { "/dev/ttyUSB*" };
    recipe.log = dir.filePath("units.csv");
    PanelDocument document(PanelDocument::Panel::RingA);
    document.edits()->insertFrames(document.deviceItem()->program(0), -1, { { 1 } }, "Add");
    QVERIFY(document.save(recipe.program));
    QFile firmware(recipe.firmware);
    // A firmware that writes beyond the controller's memory.
    QVERIFY(firmware.open(QIODevice::WriteOnly) && firmware.write("@6000\n01\n@30000\n02\nq\n")
        && firmware.flush());
    RecipeDialog dialog;
    dialog.setRecipe(recipe, dir.filePath("station.ini"));
    dialog.show();
    dialog.accept();
    QVERIFY(dialog.isVisible());
    QVERIFY(dialog.findChild<QLabel*>("problemLabel")->text().contains("fw.txt does not fit"));
    QVERIFY(!QFile::exists(dir.filePath("station.ini")));
}

QTEST_MAIN(tst_StationWindow)
#include "tst_stationwindow.moc"
