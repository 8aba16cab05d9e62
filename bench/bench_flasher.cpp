// Flashes a 64 KiB image into the virtual boot-loader target paced at
// 57,600 baud and compares the time with what the line itself allows; then
// times the application checksum walk of the largest model.

#include "MspFlasher/MspFlasher.h"
#include "MspFlasher/MspFlasher_large.h"
#include "PacedTarget.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSerialPort>
#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int Baud = 57600;
constexpr int ImageSize = 64 * 1024;
constexpr uint32_t ImageAddress = 0x10000;

QString imageText(uint32_t address, int size)
{
    QString text = QStringLiteral("@%1\n").arg(address, 0, 16).toUpper();
    quint32 state = 12345;
    for (int i = 0; i < size; ++i) {
        state = state * 1664525u + 1013904223u;
        text += QStringLiteral("%1").arg(state >> 24, 2, 16, QLatin1Char('0')).toUpper();
        text += (i % 16 == 15) ? QLatin1Char('\n') : QLatin1Char(' ');
    }
    return text + QStringLiteral("\nq\n");
}

bool load(MspFlasher& flasher, QString text)
{
    QTextStream stream(&text, QIODevice::ReadOnly);
    return flasher.readMemoryFile(stream);
}

int flashBenchmark()
{
    PacedTarget target;
    if (!target.start({ QStringLiteral("--baud"),
            qEnvironmentVariableIsSet("BENCH_BAUD") ? qEnvironmentVariable("BENCH_BAUD")
                                                    : QString::number(Baud),
            QStringLiteral("--model"), QStringLiteral("Kamdel"), QStringLiteral("--exit-after-jump") })) {
        std::fprintf(stderr, "bsltarget did not start\n");
        return 1;
    }
    const QString link = target.link();

    QSerialPort port(link);
    port.setBaudRate(Baud);
    if (!port.open(QIODevice::ReadWrite)) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(link));
        return 1;
    }
    std::unique_ptr<MspFlasher> flasher(MspFlasher::crate(QStringLiteral("Kamdel"), &port));
    if (!load(*flasher, imageText(ImageAddress, ImageSize)))
        return 1;

    flasher->init();
    QElapsedTimer total;
    total.start();
    if (!flasher->verifyDevice() || !flasher->eraseDevice())
        return 1;
    QElapsedTimer writing;
    writing.start();
    const bool flashed = flasher->flashDevice();
    const double writeSeconds = writing.nsecsElapsed() / 1e9;
    flasher->jumpToApplication();
    const double totalSeconds = total.nsecsElapsed() / 1e9;
    port.close();

    const bool valid = target.finishedValid();

    // Every write of n data bytes is n + 8 bytes out (header, length, command,
    // three address bytes, the data, two checksum bytes) and one byte back.
    const int blocks = ImageSize / 16;
    const double wireBytes = blocks * (16 + 8 + 1) + (2 + 8 + 1);
    const double wireSeconds = wireBytes * 10 / Baud;
    std::printf("flash 64 KiB at %d baud: %s, target application check %s\n", Baud, flashed ? "ok" : "FAILED",
        valid ? "valid" : "INVALID");
    std::printf("  writes (%d blocks + checksum): %.3f s, wire limit %.3f s, ratio %.1f %%\n", blocks,
        writeSeconds, wireSeconds, 100.0 * wireSeconds / writeSeconds);
    std::printf("  whole run (verify, erase, writes, jump): %.3f s\n", totalSeconds);
    return flashed && valid ? 0 : 1;
}

int checksumBenchmark()
{
    QSerialPort port;
    std::unique_ptr<MspFlasher> flasher(MspFlasher::crate(QStringLiteral("MSP430FR5994"), &port));
    auto* large = qobject_cast<MspFlasher_large*>(flasher.get());
    QString text = imageText(0x4003, 0x8000) + imageText(0x10000, ImageSize);
    text.replace(QStringLiteral("\nq\n@"), QStringLiteral("\n@"));
    if (!large || !load(*large, text))
        return 1;

    std::vector<double> runs;
    uint16_t crc = 0;
    for (int i = 0; i < 30; ++i) {
        QElapsedTimer timer;
        timer.start();
        crc = large->crc_ccitt();
        runs.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::sort(runs.begin(), runs.end());
    const uint32_t addresses = (large->app_EndAddress - large->app_StartAddress + 1)
        + (large->app_EndAddress2 - large->app_StartAddress2 + 1);
    std::printf(
        "checksum walk MSP430FR5994 (%u addresses, %d segments): median %.3f ms, min %.3f ms, max %.3f ms "
        "(crc %04x)\n",
        addresses, int(large->memoryData().size()), runs[runs.size() / 2], runs.front(), runs.back(), crc);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int checksum = checksumBenchmark();
    const int flash = flashBenchmark();
    return checksum || flash;
}
