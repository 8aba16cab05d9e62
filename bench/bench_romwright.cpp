// Flashes 64 KiB through the romwright program into the virtual boot-loader
// target paced at 57,600 baud, and compares the time with what the line
// allows: 25 bytes on the wire per 16-byte block (24 sent, 1 answer).

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

constexpr int Baud = 57600;
constexpr int BitsPerByte = 10;
constexpr int BlockWireBytes = 25;

// 64 KiB in the Kamdel board's memory: all of the first range above the
// checksum's area and the start of the second one.
QByteArray imageText()
{
    struct Run
    {
        uint32_t address;
        int size;
    };
    const Run runs[] = { { 0x6000, 0xF800 - 0x6000 }, { 0x10000, 65536 - (0xF800 - 0x6000) } };
    QByteArray text;
    quint32 state = 12345;
    for (const Run& run : runs) {
        text += QByteArray("@") + QByteArray::number(run.address, 16).toUpper() + '\n';
        for (int i = 0; i < run.size; ++i) {
            state = state * 1664525u + 1013904223u;
            text += QByteArray::number((state >> 24) | 0x100, 16).mid(1).toUpper();
            text += (i % 16 == 15) ? '\n' : ' ';
        }
    }
    return text + "\nq\n";
}


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
    if (!target.start({ QStringLiteral("--baud"), QString::number(Baud), QStringLiteral("--model"),
            QStringLiteral("Kamdel"), QStringLiteral("--exit-after-jump") })) {
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
    const QString firmware = dir.filePath(QStringLiteral("app.txt"));
    QFile file(firmware);
    if (!file.open(QIODevice::WriteOnly) || file.write(imageText()) < 0)
        return 1;
    file.close();

    const int blocks = 65536 / 16;
    // The checksum word is one more, shorter request.
    const double wireSeconds = double(blocks * BlockWireBytes + 2 + 8 + 1) * BitsPerByte / Baud;
    // A shared machine wakes processes late now and then; the median of a few
    // runs is the figure, each run is shown.
    constexpr int Runs = 5;
    std::vector<double> fractions;
    bool ok = true;
    for (int i = 0; i < Runs; ++i) {
        const Run run = flashOnce(firmware);
        std::printf("romwright 64 KiB at %d baud, run %d: exit %d, target application check %s, %.3f s, "
                    "fraction %.3f\n",
            Baud, i + 1, run.exitCode, run.valid ? "valid" : "INVALID", run.seconds,
            wireSeconds / run.seconds);
        ok = ok && run.exitCode == 0 && run.valid;
        fractions.push_back(wireSeconds / run.seconds);
    }
    std::sort(fractions.begin(), fractions.end());
    std::printf("  wire limit of the writes %.3f s, median fraction of the wire limit %.3f\n", wireSeconds,
        fractions[Runs / 2]);
    return ok ? 0 : 1;
}
