// Flashes 64 KiB through the romwright program into the virtual boot-loader
// target paced at 57,600 baud, and compares the time with what the line
// allows: 25 bytes on the wire per 16-byte block (24 sent, 1 answer).

#include "PacedImage.h"
#include "PacedTarget.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Run
{
    int exitCode = -1;
    bool valid = false;
    double seconds = 0;
};

Run flashOnce(const QString& firmware)
{
    Run run;
    PacedTarget target;
    if (!target.start({ QStringLiteral("--baud"), QString::number(PacedImage::Baud),
            QStringLiteral("--model"), QStringLiteral("Kamdel"), QStringLiteral("--exit-after-jump") })) {
        std::fprintf(stderr, "bsltarget did not start\n");
        return run;
    }

    QProcess romwright;
    romwright.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    romwright.setStandardOutputFile(QProcess::nullDevice());
    QEventLoop loop;
    QObject::connect(
        &romwright, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    romwright.start(
        QStringLiteral(KAMDEL_TOOLS_DIR "/romwright"), { QStringLiteral("--port"), target.link(), firmware });
    loop.exec();
    run.seconds = timer.nsecsElapsed() / 1e9;

    run.valid = target.finishedValid();
    run.exitCode = romwright.exitCode();
    return run;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString firmware = PacedImage::write(dir);
    if (firmware.isEmpty())
        return 1;
    const double wireSeconds = PacedImage::wireSeconds();
    // A shared machine wakes processes late now and then; the median of a few
    // runs is the figure, each run is shown.
    constexpr int Runs = 5;
    std::vector<double> fractions;
    bool ok = true;
    for (int i = 0; i < Runs; ++i) {
        const Run run = flashOnce(firmware);
        std::printf("romwright 64 KiB at %d baud, run %d: exit %d, target application check %s, %.3f s, "
                    "fraction %.3f\n",
            PacedImage::Baud, i + 1, run.exitCode, run.valid ? "valid" : "INVALID", run.seconds,
            wireSeconds / run.seconds);
        ok = ok && run.exitCode == 0 && run.valid;
        fractions.push_back(wireSeconds / run.seconds);
    }
    std::sort(fractions.begin(), fractions.end());
    std::printf("  wire limit of the writes %.3f s, median fraction of the wire limit %.3f\n", wireSeconds,
        fractions[Runs / 2]);
    return ok ? 0 : 1;
}
