// Times the LED table on large programs: opening it on 1,000 frames, and
// pasting a 4 x 48 block onto a selection of 100 frames (19,200 cells).

#include "Stopwatch.h"
#include "edits/DocumentEdits.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "views/LedPanelTableView.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QEvent>
#include <QItemSelection>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

using Sample = Stopwatch::Sample;

constexpr int FrameCount = 1000;
constexpr int PastedFrames = 100;
constexpr int Runs = 5;

// Counts the table's paints, so that every timing covers a painted page.
class PaintCounter : public QObject
{
public:
    using QObject::QObject;
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return QObject::eventFilter(watched, event);
    }
};

// Processes events until the table has painted once more.
bool waitForPaint(PaintCounter& counter, int before)
{
    for (int i = 0; i < 100 && counter.paints == before; ++i)
        QCoreApplication::processEvents();
    return counter.paints > before;
}

// What the table does when the tree asks for it: frames, layout, a painted
// page.
bool openTable(LedPanelTableView& view, PaintCounter& counter, const QList<LedStatesCommand*>& frames)
{
    const int before = counter.paints;
    view.setFrames(frames);
    view.setFrameLayout(4, 48);
    view.show();
    return waitForPaint(counter, before);
}

QString copiedBlock()
{
    QString text;
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 48; ++column) {
            if (column > 0)
                text += QLatin1Char('\t');
            text += (row + column) % 3 ? QLatin1Char('0') : QLatin1Char('1');
        }
        text += QLatin1Char('\n');
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QObject holder; // owns the tree model and the tree's root
    auto* device = new DeviceItem;
    auto* model = new CommandTreeModel(device, &holder);
    auto* program = new ProgramItem(device);
    DocumentEdits edits(model);
    QList<LedStatesCommand*> frames;
    for (int i = 0; i < FrameCount; ++i) {
        auto* frame = new LedStatesCommand(program);
        frame->leds().at(i % LedStatesCommand::LedCount)->setValue(1);
        frames << frame;
    }

    LedPanelTableView view(nullptr);
    PaintCounter counter;
    view.viewport()->installEventFilter(&counter);
    view.setEdits(&edits);
    view.setFrameLayout(4, 48);
    view.resize(1280, 800);
    bool painted = true;

    Stopwatch timer;
    painted &= openTable(view, counter, frames);
    const Sample firstOpen { timer.wallMs(), timer.threadCpuMs() };

    std::vector<Sample> opens;
    for (int run = 0; run < Runs; ++run) {
        view.clearFrames();
        QCoreApplication::processEvents();
        timer.restart();
        painted &= openTable(view, counter, frames);
        opens.push_back({ timer.wallMs(), timer.threadCpuMs() });
    }

    const QAbstractItemModel* table = view.model();
    const QItemSelection target(table->index(0, 0), table->index(PastedFrames * 4 - 1, 47));
    std::vector<Sample> pastes;
    for (int run = 0; run < Runs; ++run) {
        for (int i = 0; i < PastedFrames; ++i) {
            for (LedCell* cell : frames.at(i)->leds())
                cell->setValue(run % 2);
        }
        QGuiApplication::clipboard()->setText(copiedBlock());
        view.selectionModel()->select(target, QItemSelectionModel::ClearAndSelect);
        QCoreApplication::processEvents();
        const int before = counter.paints;
        timer.restart();
        view.pasteData();
        painted &= waitForPaint(counter, before);
        pastes.push_back({ timer.wallMs(), timer.threadCpuMs() });
    }

    // The last frame of the selection holds the block's last line.
    const bool pasted = frames.at(PastedFrames - 1)->leds().at(3 * 48 + 47)->value() == ((3 + 47) % 3 ? 0 : 1)
        && frames.at(PastedFrames - 1)->leds().at(3 * 48 + 45)->value() == 1;

    const Sample open = Stopwatch::median(opens);
    const Sample paste = Stopwatch::median(pastes);
    std::printf("LED table, %d frames (%d rows x 48 columns), wall clock (CPU time of the GUI thread)\n",
        FrameCount, FrameCount * 4);
    std::printf("open table on %d frames: first %.1f ms (%.1f ms), median of %d reopenings %.1f ms (%.1f ms);"
                " target < 300 ms\n",
        FrameCount, firstOpen.wall, firstOpen.cpu, Runs, open.wall, open.cpu);
    std::printf(
        "paste 4 x 48 block onto %d frames (%d cells): median of %d %.1f ms (%.1f ms); target < 1000 ms\n",
        PastedFrames, PastedFrames * 192, Runs, paste.wall, paste.cpu);
    if (!pasted || !painted)
        std::printf("WRONG RESULT:%s%s\n", pasted ? "" : " paste did not land",
            painted ? "" : " table did not paint");
    return pasted && painted ? 0 : 1;
}
