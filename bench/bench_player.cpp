// Times the program player in the editor and its exports:
//   - playback at 100 frames per second for 10 s on the ZQ-RING-A board in
//     the editor window (frames shown per second, the longest gap between
//     two frames, and the longest single step including a repaint of the board);
//   - the memory gauge's update after an edit on a 320-frame document;
//   - the GIF export of 320 frames at 256 px;
//   - `kamdel compile` of a 320-frame document as a whole process.
// Run it from the build's bin folder (it needs the board pictures and kamdel
// beside itself); it uses the offscreen platform unless another one is set.

#include "KamdelDocument.h"
#include "MainWindow.h"
#include "MemoryGauge.h"
#include "PlaybackController.h"
#include "SettingsStore.h"
#include "Stopwatch.h"
#include "dialogs/MessageBoxes.h"
#include "dialogs/Questions.h"
#include "edits/DocumentEdits.h"
#include "formats/AnimationExport.h"
#include "model/DeviceItem.h"
#include "model/LedStatesCommand.h"
#include "model/ProgramItem.h"
#include "views/LedPanelView.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// `frames` frames, each with a third of the LEDs on; with `loop` a Reset
// after them runs the program for ever.
QString frames(const QTemporaryDir& dir, int count, bool loop)
{
    QString commands;
    for (int i = 0; i < count; ++i) {
        commands += QStringLiteral("<LedStates>");
        for (int led = i % 3; led < 192; led += 3)
            commands += QStringLiteral("<Led index=\"%1\"><state>1</state></Led>").arg(led);
        commands += QStringLiteral("</LedStates>");
    }
    if (loop)
        commands += QStringLiteral("<Reset/>");
    const QString path = dir.filePath(QStringLiteral("frames%1.xml").arg(count));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<LedPanelDocument version=\"1.0\" "
                              "panel=\"ZQ-RINGx\"><Commands><Program index=\"0\">%1</Program></Commands>"
                              "</LedPanelDocument>\n")
                   .arg(commands)
                   .toUtf8());
    return path;
}

void playback(MainWindow& window)
{
    PlaybackController* player = window.playback();
    player->setFramesPerSecond(100);
    std::printf("playing %s\n", qPrintable(window.document()->fileName()));
    QElapsedTimer clock;
    qint64 previous = -1;
    qint64 longestGap = 0;
    QObject::connect(player, &PlaybackController::frameShown, &window, [&](int) {
        const qint64 now = clock.nsecsElapsed();
        if (previous >= 0)
            longestGap = qMax(longestGap, now - previous);
        previous = now;
    });
    const int before = player->framesShown();
    clock.start();
    player->play(true);
    while (clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
    const int shown = player->framesShown() - before;
    player->play(false);
    std::printf("playback at 100 fps for 10 s: %.1f frames per second shown, longest gap %.1f ms\n",
        shown / (clock.elapsed() / 1000.0), longestGap / 1e6);

    auto* document = qobject_cast<KamdelDocument*>(window.document());
    double longestStep = 0;
    double total = 0;
    double cpu = 0;
    for (int i = 0; i < 300; ++i) {
        Stopwatch step;
        player->step();
        document->ledPanelView()->viewport()->repaint();
        const Stopwatch::Sample taken = step.take();
        longestStep = qMax(longestStep, taken.wall);
        total += taken.wall;
        cpu += taken.cpu;
    }
    std::printf("one step with a repaint of the board: mean %.2f ms (cpu %.2f ms), longest %.2f ms\n",
        total / 300, cpu / 300, longestStep);
    Stopwatch whole;
    for (int i = 0; i < 50; ++i) {
        player->step();
        window.repaint();
    }
    std::printf("one step with a repaint of the whole window: mean %.2f ms\n", whole.wallMs() / 50);
    player->stop();
}

void gauge(MainWindow& window)
{
    auto* document = qobject_cast<KamdelDocument*>(window.document());
    std::vector<Stopwatch::Sample> samples;
    for (int i = 0; i < 200; ++i) {
        Stopwatch watch;
        document->edits()->appendItem(new LedStatesCommand, document->deviceItem()->program(0));
        samples.push_back(watch.take());
        document->edits()->removeItems({ document->deviceItem()->program(0)->children().last() });
    }
    const Stopwatch::Sample median = Stopwatch::median(samples);
    std::printf("edit and gauge update on 320 frames: median %.3f ms (cpu %.3f ms), gauge says %s\n",
        median.wall, median.cpu, qPrintable(window.memoryGauge()->text()));
}

void gif(KamdelDocument* document, const QTemporaryDir& dir)
{
    document->compile();
    const QByteArray image = document->createBinnary();
    AnimationExport::Options options;
    options.frames = 320;
    std::vector<Stopwatch::Sample> samples;
    for (int i = 0; i < 5; ++i) {
        QString error;
        Stopwatch watch;
        AnimationExport::writeGif(image, AnimationExport::variantOf(document->core()), options,
            dir.filePath(QStringLiteral("bench.gif")), &error);
        samples.push_back(watch.take());
    }
    const Stopwatch::Sample median = Stopwatch::median(samples);
    std::printf("GIF of 320 frames at 256 px: median %.1f ms (cpu %.1f ms), %lld bytes\n", median.wall,
        median.cpu, QFileInfo(dir.filePath(QStringLiteral("bench.gif"))).size());
}

void kamdelCompile(const QString& path, const QTemporaryDir& dir)
{
    std::vector<Stopwatch::Sample> samples;
    for (int i = 0; i < 15; ++i) {
        QProcess process;
        Stopwatch watch;
        process.start(QStringLiteral(KAMDEL_TOOLS_DIR "/kamdel"),
            { QStringLiteral("compile"), path, QStringLiteral("-o"),
                dir.filePath(QStringLiteral("image.bin")) });
        process.waitForFinished(30000);
        samples.push_back(watch.take());
    }
    std::printf(
        "kamdel compile of 320 frames, whole process: median %.1f ms\n", Stopwatch::median(samples).wall);
}

} // namespace

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir dir;
    // The gauge's edits leave the document modified: closing discards them.
    Questions::Scope answers;
    answers.message = [](QWidget*, const Questions::Message&) { return QMessageBox::Discard; };
    SettingsStore::setFileName(dir.filePath(QStringLiteral("KamdelEditor.ini")));
    // 320 frames fill the panel's 8000 bytes exactly.
    const QString path = frames(dir, 320, false);

    MainWindow window;
    window.resize(1200, 900);
    window.show();
    window.openDocument(frames(dir, 100, true));
    auto* document = qobject_cast<KamdelDocument*>(window.document());
    if (!document) {
        std::fputs("cannot open the benchmark document\n", stderr);
        return 1;
    }
    playback(window);
    if (qEnvironmentVariableIsSet("KAMDEL_BENCH_PLAYBACK_ONLY"))
        return 0;
    window.openDocument(path);
    document = qobject_cast<KamdelDocument*>(window.document());
    gauge(window);
    gif(document, dir);
    kamdelCompile(path, dir);
    window.close();
    SettingsStore::close();
    return 0;
}
