// Peak memory and time of a document at the frame limit (20,000 frames), the
// way a user meets it: each operation runs the real `kamdel` as a child
// process, whose peak resident memory the kernel reports when it ends; the
// editor's open of the same document runs in a child of this program.
// Target: every operation under 300 MB peak and under 5 s.
//
// Run it from the build's bin folder; the editor part uses the offscreen
// platform unless another one is set.
//   bench_document_limit                 all figures
//   bench_document_limit --open FILE     the editor's open (used by the above)
//   bench_document_limit --keep          leaves the files behind, for a profiler

#include "KamdelDocument.h"
#include "KamdelPanel1.h"
#include "Stopwatch.h"
#include "model/DeviceItem.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "model/PanelDocument.h"
#include "model/ProgramItem.h"
#include "model/XmlHelpers.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

constexpr int Frames = XmlHelpers::ReadBudget::MaxFrames;
constexpr int Generated = 2000;
constexpr double TargetMB = 300;
constexpr double TargetSeconds = 5;

int pattern(int frame, int led)
{
    return (led % 48 == frame % 48) || (led * 7 + frame) % 11 == 0 ? 1 : 0;
}

bool writeDocument(const QString& fileName, int frames)
{
    PanelDocument document(PanelDocument::Panel::RingA);
    ProgramItem* program = document.deviceItem()->program(0);
    for (int f = 0; f < frames; ++f) {
        auto* frame = new LedStatesCommand(program);
        for (int k = 0; k < LedStatesCommand::LedCount; ++k)
            frame->leds().at(k)->setValue(pattern(f, k));
    }
    return document.save(fileName);
}

bool writeSequence(const QString& fileName, int frames, int shift)
{
    QFile file(fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray line;
    for (int k = 0; k < LedStatesCommand::LedCount; ++k)
        line += (k ? "," : "") + QByteArray::number(k);
    file.write(line + '\n');
    for (int f = 0; f < frames; ++f) {
        line.clear();
        for (int k = 0; k < LedStatesCommand::LedCount; ++k)
            line += (k ? "," : "") + QByteArray::number(pattern(f + shift, k));
        file.write(line + "\r\n");
    }
    return file.error() == QFile::NoError;
}

struct Run
{
    bool ok = false;
    double seconds = 0;
    double cpuSeconds = 0;
    double peakMB = 0;
};

// Runs `program` with `arguments`, its output thrown away, and reads its
// peak resident memory from the kernel's account of the ended child.
Run runChild(const QString& program, const QStringList& arguments)
{
    std::vector<QByteArray> bytes { QFile::encodeName(program) };
    for (const QString& argument : arguments)
        bytes.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    Run run;
    Stopwatch watch;
    pid_t pid = 0;
    if (posix_spawn(&pid, argv.front(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        rusage usage {};
        if (wait4(pid, &status, 0, &usage) == pid) {
            run.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
            run.peakMB = usage.ru_maxrss / 1024.0;
            run.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec
                + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        }
    }
    run.seconds = watch.wallMs() / 1000;
    posix_spawn_file_actions_destroy(&actions);
    return run;
}

void report(const char* what, const Run& run, bool* allMet)
{
    // The machine may be shared: the processor time decides, the wall time
    // is shown beside it.
    const bool met = run.ok && run.peakMB < TargetMB && run.cpuSeconds < TargetSeconds;
    *allMet &= met;
    const char* verdict = !run.ok ? "FAILED" : met ? "met" : "MISSED";
    std::printf("%-44s %7.1f MB peak %6.2f s cpu %6.2f s wall  %s\n", what, run.peakMB, run.cpuSeconds,
        run.seconds, verdict);
    std::fflush(stdout);
}

// In a process of its own: the editor's document opens the file and the
// window catches up with it.
int openInEditor(const QString& fileName)
{
    std::unique_ptr<KamdelDocument> document(KamdelPanel1::newDocument());
    document->resize(1280, 800);
    document->show();
    QCoreApplication::processEvents();
    if (!document->load(fileName))
        return 1;
    QCoreApplication::processEvents();
    return document->deviceItem()->program(0)->childCount() == Frames ? 0 : 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments.at(1) == QLatin1String("--open"))
        return openInEditor(arguments.at(2));

    QTemporaryDir dir;
    dir.setAutoRemove(!arguments.contains(QLatin1String("--keep")));
    const QString full = dir.filePath(QStringLiteral("full.xml"));
    const QString short_ = dir.filePath(QStringLiteral("short.xml"));
    const QString empty = dir.filePath(QStringLiteral("empty.xml"));
    const QString sequence = dir.filePath(QStringLiteral("full.csv"));
    const QString one = dir.filePath(QStringLiteral("one.csv"));
    if (!dir.isValid() || !writeDocument(full, Frames) || !writeDocument(short_, Frames - Generated)
        || !writeDocument(empty, 0) || !writeSequence(sequence, Frames, 1) || !writeSequence(one, 1, 1)) {
        std::printf("cannot write the documents\n");
        return 1;
    }
    std::printf("A document of %d frames (%lld bytes), its sequence file (%lld bytes); target < %.0f MB "
                "peak and < %.0f s of processor time each\n",
        Frames, QFile(full).size(), QFile(sequence).size(), TargetMB, TargetSeconds);
    if (!dir.autoRemove())
        std::printf("files in %s\n", qPrintable(dir.path()));
    const QString kamdel = QStringLiteral(KAMDEL_TOOLS_DIR "/kamdel");
    const auto out = [&](const char* name) { return dir.filePath(QLatin1String(name)); };
    bool met = true;
    report("kamdel info (open)", runChild(kamdel, { QStringLiteral("info"), full }), &met);
    report("kamdel csv import of 1 frame (open, save)",
        runChild(kamdel,
            { QStringLiteral("csv"), QStringLiteral("import"), full, one, QStringLiteral("-o"),
                out("saved.xml") }),
        &met);
    report("kamdel csv import into an empty document",
        runChild(kamdel,
            { QStringLiteral("csv"), QStringLiteral("import"), empty, sequence, QStringLiteral("-o"),
                out("imported.xml") }),
        &met);
    report("kamdel csv export",
        runChild(kamdel, { QStringLiteral("csv"), QStringLiteral("export"), full, out("exported.csv") }),
        &met);
    report("kamdel generate twinkle --count 2000",
        runChild(kamdel,
            { QStringLiteral("generate"), short_, QStringLiteral("twinkle"), QStringLiteral("--count"),
                QString::number(Generated), QStringLiteral("-o"), out("generated.xml") }),
        &met);
    report("editor open (KamdelDocument::load)",
        runChild(QCoreApplication::applicationFilePath(), { QStringLiteral("--open"), full }), &met);
    // The export of the document must be the table of its frames.
    const QString expected = out("expected.csv");
    QFile exported(out("exported.csv"));
    QFile wanted(expected);
    if (!writeSequence(expected, Frames, 0) || !exported.open(QIODevice::ReadOnly)
        || !wanted.open(QIODevice::ReadOnly) || exported.readAll() != wanted.readAll()) {
        std::printf("WRONG RESULT: the exported sequence is not the document's frames\n");
        return 1;
    }
    return met ? 0 : 1;
}
