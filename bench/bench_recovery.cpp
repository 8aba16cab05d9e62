// Times the recovery copy of documents of 320 frames (a full 8000-byte panel
// program) and of 5000 frames: the part that runs on the GUI thread (the
// command tree copied and handed to the writer) and the part on the writer's
// thread (the copy made into the file's bytes, written and synced to disk).
// For comparison it also times the whole copy made on the GUI thread.
//
// The copies go to a temporary folder under the current one, so that the
// sync reaches a real disk rather than /tmp. Uses the offscreen platform
// unless another one is set.

#include "KamdelPanel1.h"
#include "RecoveryStore.h"
#include "Stopwatch.h"
#include "TargetReport.h"
#include "edits/DocumentEdits.h"
#include "model/DeviceItem.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"

#include "edits/EditHistory.h"
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QSaveFile>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

using Sample = Stopwatch::Sample;
constexpr int Runs = 9;
constexpr double GuiTargetMs = 20;

QString figure(const Sample& sample)
{
    return QStringLiteral("%1 ms (%2 ms CPU)").arg(sample.wall, 0, 'f', 2).arg(sample.cpu, 0, 'f', 2);
}

// A running light with a fixed pattern behind it, so frames differ.
std::unique_ptr<KamdelDocument> makeDocument(int frames)
{
    std::unique_ptr<KamdelDocument> document(KamdelPanel1::newDocument());
    AbstractTreeItem* program = document->deviceItem()->child(0);
    document->edits()->beginStep(QStringLiteral("Add frames"));
    for (int f = 0; f < frames; ++f) {
        auto* frame = new LedStatesCommand;
        for (int i = 0; i < LedStatesCommand::LedCount; ++i)
            frame->leds()[i]->setValue((i % 48 == f % 48) || (i * 7 + f) % 11 == 0 ? 1 : 0);
        document->edits()->appendItem(frame, program);
    }
    document->edits()->endStep();
    return document;
}

bool benchCopies(int frames, const QString& folder)
{
    std::unique_ptr<KamdelDocument> document = makeDocument(frames);
    auto* first = static_cast<LedStatesCommand*>(document->deviceItem()->child(0)->child(0));
    RecoveryStore store;
    // Copies are made here, by hand, only.
    store.setDelays(3600 * 1000, 3600 * 1000);
    // The first copy of a run also learns the file's outer element, once
    // per panel type.
    Stopwatch firstWatch;
    store.setDocument(document.get());
    const Sample firstCopy = firstWatch.take();
    store.waitForWrites();

    std::vector<Sample> gui;
    std::vector<Sample> writer;
    std::vector<Sample> whole;
    for (int run = 0; run < Runs; ++run) {
        document->edits()->setLedValue(first->leds()[run % LedStatesCommand::LedCount], run % 2);
        Stopwatch watch;
        store.writeNow();
        gui.push_back(watch.take());
        watch.restart();
        store.waitForWrites();
        writer.push_back(watch.take());

        // The same copy made whole on the GUI thread.
        watch.restart();
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        document->writeXML(&buffer);
        QSaveFile file(QDir(folder).filePath(QStringLiteral("whole.xml")));
        const bool written
            = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
        whole.push_back(watch.take());
        if (!written)
            return false;
    }
    const Sample guiMedian = Stopwatch::median(gui);
    TargetReport::print(
        QStringLiteral("%1 frames, copy of %2 bytes").arg(frames).arg(QFileInfo(store.copyPath()).size()));
    TargetReport::print(QStringLiteral("  GUI thread per copy (tree copied, handed to the writer): %1")
                            .arg(figure(guiMedian)));
    TargetReport::print(QStringLiteral("  GUI thread, first copy of the run: %1").arg(figure(firstCopy)));
    TargetReport::print(
        QStringLiteral("  writer thread per copy (bytes made, written and synced): %1 ms wall")
            .arg(Stopwatch::median(writer).wall, 0, 'f', 2));
    TargetReport::print(QStringLiteral("  for comparison, the whole copy on the GUI thread: %1")
                            .arg(figure(Stopwatch::median(whole))));
    if (frames == 320)
        TargetReport::print(
            QStringLiteral("  target GUI thread per copy under %1 ms: %2")
                .arg(GuiTargetMs)
                .arg(guiMedian.wall < GuiTargetMs ? QStringLiteral("met") : QStringLiteral("MISSED")));
    store.setDocument(nullptr);
    return frames != 320 || guiMedian.wall < GuiTargetMs;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir data(QDir::current().filePath(QStringLiteral("bench_recovery-XXXXXX")));
    if (!data.isValid())
        return 2;
    qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
    QApplication app(argc, argv);
    TargetReport::print(
        QStringLiteral("Recovery copy, wall clock (CPU time of the measuring thread), median of %1 runs")
            .arg(Runs));
    bool ok = true;
    for (const int frames : { 320, 5000 })
        ok &= benchCopies(frames, data.path());
    return ok ? 0 : 1;
}
