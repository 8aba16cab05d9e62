// Times sequence files on a large program, the way a user meets them: the
// command tree's "Export sequence..." and "Import sequence..." on a document
// with 5,000 LED frames, the file dialog answered, until the window has caught
// up with the change.

#include "KamdelDocument.h"
#include "KamdelPanel1.h"
#include "dialogs/FileDialogs.h"
#include "dialogs/MessageBoxes.h"
#include "dialogs/Questions.h"
#include "edits/DocumentEdits.h"
#include "formats/SequenceFile.h"
#include "model/CommandTreeModel.h"
#include "model/DeviceItem.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "views/CommandTreeView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <memory>
#include <vector>

namespace {

constexpr int FrameCount = 5000;
constexpr int Runs = 3;

// Wall clock and the CPU time of this thread: the build machine is shared,
// so the wall figure alone may include other programs' time.
struct Sample
{
    double wall;
    double cpu;
};

double threadCpuMs()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

Sample measure(const std::function<void()>& work)
{
    QElapsedTimer wall;
    wall.start();
    const double cpu = threadCpuMs();
    work();
    // The tree lays out its new rows and the board repaints in posted events.
    QCoreApplication::processEvents();
    return { wall.nsecsElapsed() / 1e6, threadCpuMs() - cpu };
}

Sample median(std::vector<Sample> samples)
{
    std::sort(
        samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.wall < b.wall; });
    return samples.at(samples.size() / 2);
}

int pattern(int frame, int led, int seed)
{
    return (frame + led + seed) % 3 == 0 ? 1 : 0;
}

// A document shown as in the editor, its program current in the tree.
struct Document
{
    Document()
        : document(KamdelPanel1::newDocument())
    {
        document->resize(1280, 800);
        document->show();
        QCoreApplication::processEvents();
        program = document->deviceItem()->program(0);
        CommandTreeView* tree = document->commandTreeView();
        tree->selectionModel()->setCurrentIndex(
            document->treeModel()->indexOf(program), QItemSelectionModel::ClearAndSelect);
    }

    void fill(int seed)
    {
        for (int r = 0; r < FrameCount; ++r) {
            auto* frame = new LedStatesCommand;
            document->edits()->appendItem(frame, program);
            for (int k = 0; k < LedStatesCommand::LedCount; ++k)
                frame->leds().at(k)->setValue(pattern(r, k, seed));
        }
        QCoreApplication::processEvents();
    }

    bool holds(int seed) const
    {
        const QList<LedStatesCommand*> frames = SequenceFile::frames(program);
        if (frames.size() != FrameCount)
            return false;
        for (int r = 0; r < FrameCount; ++r) {
            for (int k = 0; k < LedStatesCommand::LedCount; ++k) {
                if (frames.at(r)->leds().at(k)->value() != pattern(r, k, seed))
                    return false;
            }
        }
        return true;
    }

    std::unique_ptr<KamdelDocument> document;
    ProgramItem* program = nullptr;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    QTemporaryDir dir;
    if (!dir.isValid()) {
        std::printf("no temporary folder\n");
        return 1;
    }
    QString answer;
    Questions::Scope answers;
    answers.fileName = [&answer](const Questions::FileName&) { return answer; };
    bool warned = false;
    answers.message = [&warned](QWidget*, const Questions::Message&) {
        warned = true;
        return QMessageBox::Ok;
    };

    bool right = true;
    Document source;
    source.fill(0);
    std::vector<Sample> exports;
    for (int run = 0; run < Runs; ++run) {
        answer = dir.filePath(QStringLiteral("export%1.csv").arg(run));
        exports.push_back(measure([&] { source.document->commandTreeView()->exportSequence(); }));
    }
    const QString file = answer;
    right &= QFile(file).size() > FrameCount * 2 * LedStatesCommand::LedCount;

    // Into an empty program: every frame is new and becomes a row of the tree.
    std::vector<Sample> fresh;
    for (int run = 0; run < Runs; ++run) {
        Document target;
        answer = file;
        fresh.push_back(measure([&] { target.document->commandTreeView()->importSequence(); }));
        right &= target.holds(0) && target.document->isModified();
    }

    // Over a program of as many frames, every LED changed.
    std::vector<Sample> overwrite;
    for (int run = 0; run < Runs; ++run) {
        Document target;
        target.fill(1);
        answer = file;
        overwrite.push_back(measure([&] { target.document->commandTreeView()->importSequence(); }));
        right &= target.holds(0);
    }
    right &= !warned;

    const Sample exported = median(exports);
    const Sample freshImport = median(fresh);
    const Sample overwritten = median(overwrite);
    std::printf("Sequence files, %d LED frames of %d LEDs through the command tree, median of %d runs,\n"
                "wall clock (CPU time of the GUI thread); target < 1000 ms each\n",
        FrameCount, LedStatesCommand::LedCount, Runs);
    std::printf("export:                          %8.1f ms (%.1f ms)\n", exported.wall, exported.cpu);
    std::printf("import into an empty program:    %8.1f ms (%.1f ms)\n", freshImport.wall, freshImport.cpu);
    std::printf(
        "import over %d frames:         %8.1f ms (%.1f ms)\n", FrameCount, overwritten.wall, overwritten.cpu);
    if (!right)
        std::printf("WRONG RESULT: the imported frames differ from the exported ones\n");
    return right ? 0 : 1;
}
