// Times the effect generators and the Generate dialog: 2,000 chase frames
// computed, the same frames placed in a document as one step of the
// history, the dialog's preview drawing one frame after another (it must
// keep 50 frames per second), and the dialog answering a change of the
// frame count to 2,000.
//
// It uses the offscreen platform unless another one is set.

#include "KamdelPanel1.h"
#include "Stopwatch.h"
#include "TargetReport.h"
#include "dialogs/GenerateDialog.h"
#include "edits/DocumentEdits.h"
#include "model/Effects.h"
#include "model/ProgramItem.h"
#include "views/CommandTreeView.h"
#include "views/FrameEditor.h"

#include "edits/EditHistory.h"
#include <QApplication>
#include <QSpinBox>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

using Sample = Stopwatch::Sample;
constexpr int Runs = 5;
constexpr int ChaseFrames = 2000;

bool benchChase()
{
    std::vector<Sample> samples;
    int frames = 0;
    for (int run = 0; run < Runs; ++run) {
        Stopwatch timer;
        frames = Effects::chase(0xF, 6, 2, 1, ChaseFrames).size();
        samples.push_back(timer.take());
    }
    bool ok = frames == ChaseFrames;
    TargetReport::report(
        QStringLiteral("Generate %1 chase frames").arg(frames), Stopwatch::median(samples), 20, 2, &ok);
    return ok;
}

bool benchInsert()
{
    const QList<QVector<int>> frames = Effects::chase(0xF, 6, 2, 1, ChaseFrames);
    std::vector<Sample> samples;
    int placed = 0;
    for (int run = 0; run < Runs; ++run) {
        std::unique_ptr<KamdelDocument> document(KamdelPanel1::newDocument());
        Stopwatch timer;
        placed = document->frameEditor()->insertFrames(frames, QStringLiteral("Generate Chase"));
        QCoreApplication::processEvents();
        samples.push_back(timer.take());
    }
    bool ok = placed == ChaseFrames;
    TargetReport::report(QStringLiteral("Insert them into a document, one undo step"),
        Stopwatch::median(samples), 1000, 2, &ok);
    return ok;
}

bool benchPreview()
{
    GenerateDialog dialog;
    dialog.setKind(EffectRequest::Chase);
    dialog.show();
    QCoreApplication::processEvents();
    const int shown = 200;
    std::vector<Sample> samples;
    for (int run = 0; run < Runs; ++run) {
        Stopwatch timer;
        for (int i = 0; i < shown; ++i) {
            dialog.showNextFrame();
            // Painted at once, as the screen would between two timer ticks.
            dialog.repaint();
        }
        samples.push_back(timer.take());
    }
    const Sample sample = Stopwatch::median(samples);
    const double perSecond = shown * 1000.0 / sample.wall;
    const bool ok = perSecond >= 50;
    TargetReport::print(
        QStringLiteral("  Preview: %1 frames per second (%2 ms per frame, %3 ms CPU), target 50 or more: %4")
            .arg(perSecond, 0, 'f', 0)
            .arg(sample.wall / shown, 0, 'f', 2)
            .arg(sample.cpu / shown, 0, 'f', 2)
            .arg(ok ? QStringLiteral("met") : QStringLiteral("MISSED")));

    // A parameter changed: new frames, weight and first preview frame.
    auto* count = dialog.findChild<QSpinBox*>(QStringLiteral("chaseCountSpinBox"));
    std::vector<Sample> changes;
    for (int run = 0; run < Runs; ++run) {
        count->setValue(10);
        Stopwatch timer;
        count->setValue(ChaseFrames);
        dialog.repaint();
        changes.push_back(timer.take());
    }
    bool changeOk = dialog.frames().size() == ChaseFrames;
    TargetReport::report(QStringLiteral("Dialog answers a count of %1").arg(ChaseFrames),
        Stopwatch::median(changes), 100, 2, &changeOk);
    return ok && changeOk;
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TargetReport::print(QStringLiteral("Effects (median of %1 runs):").arg(Runs));
    bool ok = benchChase();
    ok &= benchInsert();
    ok &= benchPreview();
    TargetReport::print(ok ? QStringLiteral("All targets met.") : QStringLiteral("Some targets MISSED."));
    return ok ? 0 : 1;
}
