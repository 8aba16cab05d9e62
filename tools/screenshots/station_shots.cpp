// station_shots: grabs PNG screenshots of the production station for review:
// the window with eight tiles in every state a unit passes through, the
// recipe dialog filled in, and the message for a recipe whose firmware has
// changed since it was made.
//
// Usage:
//   xvfb-run -a -s "-screen 0 1280x800x24" station_shots [output folder]
//
// Writes station_window.png, station_recipe_dialog.png and
// station_recipe_refused.png.

#include "HighDpi.h"
#include "Recipe.h"
#include "RecipeCheck.h"
#include "RecipeDialog.h"
#include "ShotFiles.h"
#include "StationStart.h"
#include "StationWindow.h"
#include "UnitState.h"
#include "edits/DocumentEdits.h"
#include "model/DeviceItem.h"
#include "model/PanelDocument.h"
#include "model/ProgramItem.h"

#include "Helper/UnitRecord.h"

#include <QApplication>
#include <QMessageBox>
#include <QTemporaryDir>

#include <cstdio>

namespace {

using namespace ShotFiles;
using Step = UnitState::Step;

// A recipe whose files exist and whose digests are taken from them.
bool makeRecipe(const QTemporaryDir& work, Recipe* recipe)
{
    recipe->model = PanelDocument::modelLabel(PanelDocument::Panel::RingA);
    recipe->station = QStringLiteral("Bench 2");
    recipe->firmware = work.filePath(QStringLiteral("ring-fw-1.4.txt"));
    recipe->program = work.filePath(QStringLiteral("welcome-show.xml"));
    recipe->watch = QStringList { QStringLiteral("/dev/ttyUSB*") };
    recipe->log = work.filePath(QStringLiteral("units.csv"));
    recipe->test = true;
    recipe->serialRequired = true;
    PanelDocument document(PanelDocument::Panel::RingA);
    for (int i = 0; i < 3; ++i)
        document.edits()->insertFrames(document.deviceItem()->program(0), -1, { { i, i + 48 } }, "Add");
    QString error;
    if (writeFile(recipe->firmware, "@6000\n01 02 03 04 05 06 07 08\nq\n") && document.save(recipe->program)
        && RecipeCheck::stamp(recipe, &error))
        return true;
    std::fprintf(stderr, "cannot make the recipe: %s\n", qPrintable(error));
    return false;
}

UnitState unit(int index, Step step, const QString& serial, int percent = -1, int seconds = 0)
{
    UnitState state;
    state.label = QStringLiteral("ttyUSB%1").arg(index);
    state.port = QStringLiteral("/dev/") + state.label;
    state.serial = serial;
    state.step = step;
    state.percent = percent;
    state.since = QDateTime::currentDateTime().addSecs(-seconds);
    return state;
}

bool windowShot(const Recipe& recipe, const QString& recipePath, const QDir& out)
{
    StationWindow window;
    window.setRecipe(recipe, recipePath);
    window.beginShift(QDateTime::currentDateTime().addSecs(-2 * 3600 - 840));
    for (int i = 0; i < 96; ++i) {
        UnitRecord record;
        record.outcome = i % 31 == 5 ? 1 : 0;
        window.addRecord(record);
    }
    QList<UnitState> units { unit(0, Step::Waiting, QString()), unit(1, Step::Waiting, QString(), -1, 4),
        unit(2, Step::Firmware, QStringLiteral("RA-240117"), 63, 21),
        unit(3, Step::Test, QStringLiteral("RA-240118"), -1, 9),
        unit(4, Step::Program, QStringLiteral("RA-240119"), 40, 14),
        unit(5, Step::Passed, QStringLiteral("RA-240115")),
        unit(6, Step::Failed, QStringLiteral("RA-240116")),
        unit(7, Step::Failed, QStringLiteral("RA-240114")) };
    units[1].serialWanted = true;
    units[3].verdictWanted = true;
    units[6].reason = QStringLiteral("Unplugged during firmware (63 %)");
    units[7].reason = QStringLiteral("No answer during program");
    for (const UnitState& state : units)
        window.showUnit(state);
    window.setRunning(3);
    window.refuseSerial(units[1].port, QStringLiteral("RA-240117 is already on ttyUSB2"));
    window.showMessage(QStringLiteral("ttyUSB5: RA-240115 passed in 1:12"));
    window.resize(1280, 800);
    window.show();
    settle(400);
    return save(withTitle(window), out, QStringLiteral("station_window.png"));
}

bool dialogShot(const Recipe& recipe, const QString& recipePath, const QDir& out)
{
    RecipeDialog dialog;
    dialog.setRecipe(recipe, recipePath);
    dialog.show();
    settle();
    return save(withTitle(dialog), out, QStringLiteral("station_recipe_dialog.png"));
}

// The firmware file replaced after the recipe was made.
bool refusedShot(const Recipe& recipe, const QString& recipePath, const QDir& out)
{
    if (!writeFile(recipe.firmware, "@6000\n01 02 03 04 05 06 07 09\nq\n"))
        return false;
    const auto box = StationStart::refusal(recipePath, RecipeCheck::problem(recipe));
    box->show();
    settle();
    return save(withTitle(*box), out, QStringLiteral("station_recipe_refused.png"));
}

} // namespace

int main(int argc, char* argv[])
{
    HighDpi::enable();
    QApplication app(argc, argv);
    ShotFiles::speakDesktopLanguage();
    const QDir out = outputFolder(argc, argv);
    QTemporaryDir work;
    Recipe recipe;
    if (!makeFolders(out, work) || !makeRecipe(work, &recipe))
        return 1;
    const QString recipePath = work.filePath(QStringLiteral("ring-a-line2.ini"));
    bool ok = windowShot(recipe, recipePath, out);
    ok = dialogShot(recipe, recipePath, out) && ok;
    ok = refusedShot(recipe, recipePath, out) && ok;
    return ok ? 0 : 1;
}
