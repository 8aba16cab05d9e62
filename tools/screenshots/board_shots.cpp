// board_shots: grabs PNG screenshots of the board view of both panel models
// with a frame shown on the board picture (a few LEDs lit, the neighbouring
// frames hinted), for review.
//
// Usage:
//   board_shots [output folder]        (default: the current folder)
//
// Needs the board pictures beside this program (the build draws them there)
// and a display: run it under `xvfb-run -a` or with -platform offscreen.
// Writes board_<model>_<side>.png and board_<model>_<side>_zoom.png.

#include "HighDpi.h"
#include "ShotFiles.h"
#include "edits/DocumentEdits.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "views/LedItem.h"
#include "views/LedPanelScene_Ring.h"
#include "views/LedPanelView.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>

#include <cstdio>
#include <memory>

namespace {

using namespace ShotFiles;

struct Model
{
    const char* label;
    const char* picture;
    double centre, inner, radialStart, radialStep, ledSize;
};

const Model Models[] = {
    { "zq-ring-a", "PCBA01", 1751.5, 681.0, 944.0, 189.0, 50.0 },
    { "zq-ring-b", "PCBA02", 1185.0, 473.0, 598.0, 153.0, 35.0 },
};

void light(LedStatesCommand* frame, std::initializer_list<int> leds)
{
    for (int k : leds)
        frame->leds().at(k)->setValue(1);
}

} // namespace

int main(int argc, char* argv[])
{
    HighDpi::enable();
    QApplication app(argc, argv);
    const QDir out(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(out.path()));
        return 1;
    }

    bool ok = true;
    for (const Model& model : Models) {
        CommandTreeModel tree(std::make_unique<DeviceItem>().release());
        DocumentEdits edits(&tree);
        auto* device = qobject_cast<DeviceItem*>(tree.root()->child(0));
        auto* program = new ProgramItem(device);
        // Previous frame: a sweep on ring 1; shown: the start of each ring and
        // a spoke; next: the sweep moved on.
        light(new LedStatesCommand(program), { 48 + 2, 48 + 3, 48 + 4, 48 + 5, 6, 7 });
        auto* shown = new LedStatesCommand(program);
        light(
            shown, { 0, 1, 2, 3, 4, 5, 6, 7, 48, 49, 96, 97, 144, 145, 12, 60, 108, 156, 36, 84, 132, 180 });
        light(new LedStatesCommand(program), { 48 + 5, 48 + 6, 48 + 7, 48 + 8, 8, 9, 5 });

        LedPanelScene_Ring scene(device);
        scene.CenterX = scene.CenterY = model.centre;
        scene.OuterDiameter = model.centre;
        scene.InnerDiameter = model.inner;
        scene.RadialStart = model.radialStart;
        scene.RadialStep = model.radialStep;
        scene.AngularStart = -90.0;
        scene.AngularStep = -7.5;
        scene.LedSize = model.ledSize;
        const QString dir = QCoreApplication::applicationDirPath();
        scene.TopImagePath = QStringLiteral("%1/%2_top.png").arg(dir, QLatin1String(model.picture));
        scene.BottomImagePath = QStringLiteral("%1/%2_bot.png").arg(dir, QLatin1String(model.picture));
        scene.createLayout();
        scene.setPanel(Bottom, Image);
        scene.setEdits(&edits);

        LedPanelView view(nullptr);
        view.setScene(&scene);
        view.ledFrame(shown);
        view.resize(900, 900);
        view.show();
        QApplication::processEvents();

        for (eLedPanelSide side : { Bottom, Top }) {
            view.setSide(side);
            const QString name = QStringLiteral("board_%1_%2")
                                     .arg(QLatin1String(model.label), side == Top ? "top" : "bottom");
            view.zoomFit();
            QApplication::processEvents();
            ok = save(&view, out, name + ".png") && ok;
            // Close up on LED 0 of the inner rings.
            view.zoomFit();
            view.zoomIn();
            view.zoomIn();
            view.zoomIn();
            view.centerOn(scene.ledItems().at(48));
            QApplication::processEvents();
            ok = save(&view, out, name + "_zoom.png") && ok;
        }
    }
    return ok ? 0 : 1;
}
