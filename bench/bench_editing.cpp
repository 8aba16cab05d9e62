// Times the editing history and the frame tools through the real widgets of
// a ZQ-RING-A document in a 1000 x 700 window: undo and redo of removing
// 1,000 frames, the heap a 10,000-click history takes, Rotate on 320
// selected frames, Generate spin of a single LED (the longest spin, 47
// frames), a 2,000-frame chase laid over 2,000 frames, and a drag stroke across 100 LEDs with the board
// repainted after every LED passed.
//
// Run it from the build's bin folder (the board pictures lie beside it); it
// uses the offscreen platform unless another one is set.

#include "KamdelPanel1.h"
#include "Stopwatch.h"
#include "TargetReport.h"
#include "edits/DocumentEdits.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "views/AbstractLedPanelScene.h"
#include "views/CommandTreeView.h"
#include "views/FrameEditor.h"
#include "views/LedItem.h"
#include "views/LedPanelScene_Ring.h"
#include "views/LedPanelView.h"

#include "dialogs/Questions.h"
#include "edits/EditHistory.h"
#include <QApplication>
#include <QGraphicsSceneMouseEvent>
#include <QItemSelection>

#include <malloc.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

using Sample = Stopwatch::Sample;
constexpr int Runs = 5;

void settle()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

// Counts the paint events of a widget.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(int* paints)
        : m_paints(paints)
    {
    }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++*m_paints;
        return false;
    }

private:
    int* m_paints;
};

// The document in a shown window, its program holding `frames` frames.
struct Editor
{
    QWidget window;
    KamdelDocument* document;
    AbstractTreeItem* program;

    explicit Editor(int frames)
        : document(KamdelPanel1::newDocument())
    {
        document->setParent(&window);
        window.resize(1000, 700);
        document->resize(window.size());
        program = document->deviceItem()->child(0);
        document->edits()->beginStep(QStringLiteral("Add frames"));
        for (int i = 0; i < frames; ++i)
            document->edits()->appendItem(new LedStatesCommand, program);
        document->edits()->endStep();
        document->edits()->history()->clear();
        document->commandTreeView()->expandAll();
        window.show();
        settle();
    }

    LedStatesCommand* frame(int row) const { return static_cast<LedStatesCommand*>(program->child(row)); }

    void selectFrames(int first, int last)
    {
        CommandTreeView* tree = document->commandTreeView();
        const QModelIndex from = document->treeModel()->indexOf(program->child(first));
        const QModelIndex to = document->treeModel()->indexOf(program->child(last));
        tree->selectionModel()->setCurrentIndex(to, QItemSelectionModel::NoUpdate);
        tree->selectionModel()->select(
            QItemSelection(from, to), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
};

bool benchRemovalHistory()
{
    std::vector<Sample> undos;
    std::vector<Sample> redos;
    for (int run = 0; run < Runs; ++run) {
        Editor editor(1000);
        editor.selectFrames(0, 999);
        editor.document->commandTreeView()->removeItem();
        settle();
        EditHistory* stack = editor.document->edits()->history();
        Stopwatch timer;
        stack->undo();
        settle();
        undos.push_back(timer.take());
        timer.restart();
        stack->redo();
        settle();
        redos.push_back(timer.take());
        if (editor.program->childCount() != 0)
            return false;
    }
    bool ok = true;
    TargetReport::report(
        QStringLiteral("undo of removing 1,000 frames"), Stopwatch::median(undos), 100, 1, &ok);
    TargetReport::report(
        QStringLiteral("redo of removing 1,000 frames"), Stopwatch::median(redos), 100, 1, &ok);
    return ok;
}

bool benchClickHistory()
{
    Editor editor(10);
    DocumentEdits* edits = editor.document->edits();
    const size_t before = mallinfo2().uordblks;
    for (int i = 0; i < 10000; ++i) {
        LedCell* cell = editor.frame(i % 10)->leds().at(i % 192);
        edits->setLedValue(cell, 1 - cell->value());
    }
    const double mb = (mallinfo2().uordblks - before) / (1024.0 * 1024.0);
    const bool ok = mb < 10 && edits->history()->count() == 10000;
    TargetReport::print(
        QStringLiteral("  heap of a 10,000-click history: %1 MB (%2 steps), target under 10 MB: %3")
            .arg(mb, 0, 'f', 2)
            .arg(edits->history()->count())
            .arg(ok ? QStringLiteral("met") : QStringLiteral("MISSED")));
    return ok;
}

bool benchRotate()
{
    std::vector<Sample> samples;
    for (int run = 0; run < Runs; ++run) {
        Editor editor(320);
        for (int i = 0; i < 320; ++i)
            editor.frame(i)->leds().at(i % 192)->setValue(1);
        editor.selectFrames(0, 319);
        settle();
        Stopwatch timer;
        editor.document->frameEditor()->rotateClockwise();
        settle();
        samples.push_back(timer.take());
    }
    bool ok = true;
    TargetReport::report(
        QStringLiteral("Rotate on 320 selected frames"), Stopwatch::median(samples), 50, 1, &ok);
    return ok;
}

bool benchSpin()
{
    Questions::Scope answers;
    answers.generate = [](QWidget*, Questions::Generate* request) {
        request->effect.kind = EffectRequest::Spin;
        request->effect.step = 1;
        request->effect.ringMask = 0xF;
        return true;
    };
    std::vector<Sample> samples;
    int added = 0;
    for (int run = 0; run < Runs; ++run) {
        Editor editor(1);
        editor.frame(0)->leds().at(5)->setValue(1);
        // Picked in the tree, as a user does: the board shows it.
        editor.document->commandTreeView()->setCurrentIndex(
            editor.document->treeModel()->indexOf(editor.frame(0)));
        settle();
        Stopwatch timer;
        editor.document->frameEditor()->generate();
        settle();
        samples.push_back(timer.take());
        added = editor.program->childCount() - 1;
    }
    bool ok = added == 47;
    TargetReport::report(
        QStringLiteral("Generate spin (%1 frames)").arg(added), Stopwatch::median(samples), 50, 1, &ok);
    return ok;
}

// A 2,000-frame chase laid over the 2,000 frames of the Program from the
// first on, combined with what is drawn: one undo step.
bool benchLayOver()
{
    Questions::Scope answers;
    answers.generate = [](QWidget*, Questions::Generate* request) {
        request->effect.kind = EffectRequest::Chase;
        request->effect.count = 2000;
        request->effect.over = true;
        request->effect.combine = EffectRequest::Add;
        return true;
    };
    std::vector<Sample> samples;
    bool ok = true;
    for (int run = 0; run < Runs; ++run) {
        Editor editor(2000);
        editor.document->commandTreeView()->setCurrentIndex(
            editor.document->treeModel()->indexOf(editor.frame(0)));
        settle();
        Stopwatch timer;
        editor.document->frameEditor()->generate();
        settle();
        samples.push_back(timer.take());
        ok &= editor.program->childCount() == 2000 && editor.document->edits()->history()->count() == 1
            && editor.frame(1999)->leds().at(31)->value() == 1;
    }
    TargetReport::report(QStringLiteral("Generate chase laid over 2,000 frames, one undo step"),
        Stopwatch::median(samples), 100, 1, &ok);
    return ok;
}

bool benchStroke()
{
    Editor editor(3);
    AbstractLedPanelScene* scene = editor.document->panelScene();
    editor.document->commandTreeView()->setCurrentIndex(
        editor.document->treeModel()->indexOf(editor.frame(1)));
    settle();
    LedPanelView* view = editor.document->ledPanelView();
    const auto send = [scene](QEvent::Type type, int led) {
        QGraphicsSceneMouseEvent event(type);
        event.setScenePos(scene->ledItems().at(led)->pos());
        event.setButton(type == QEvent::GraphicsSceneMouseMove ? Qt::NoButton : Qt::LeftButton);
        event.setButtons(type == QEvent::GraphicsSceneMouseRelease ? Qt::NoButton : Qt::LeftButton);
        QApplication::sendEvent(scene, &event);
    };
    int paints = 0;
    PaintCounter counter(&paints);
    view->viewport()->installEventFilter(&counter);
    Stopwatch timer;
    send(QEvent::GraphicsSceneMousePress, 0);
    settle();
    for (int led = 1; led < 100; ++led) {
        send(QEvent::GraphicsSceneMouseMove, led);
        // The scene's update reaches the viewport as one paint of the
        // changed region on the next event round.
        settle();
    }
    send(QEvent::GraphicsSceneMouseRelease, 99);
    Sample sample = timer.take();
    sample.wall /= 100;
    sample.cpu /= 100;
    bool ok = editor.document->edits()->history()->count() == 1
        && editor.frame(1)->leds().at(99)->value() == 1 && paints >= 100;
    TargetReport::report(
        QStringLiteral("drag stroke across 100 LEDs (%1 paints), per LED passed and repainted").arg(paints),
        sample, 5, 1, &ok);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TargetReport::print(
        QStringLiteral("Editing, wall clock (CPU time of the GUI thread), median of %1 runs, platform %2")
            .arg(Runs)
            .arg(QGuiApplication::platformName()));
    bool ok = true;
    ok &= benchRemovalHistory();
    ok &= benchClickHistory();
    ok &= benchRotate();
    ok &= benchSpin();
    ok &= benchLayOver();
    ok &= benchStroke();
    return ok ? 0 : 1;
}
