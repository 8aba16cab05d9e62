// Flashes 64 KiB through the romwright program into the virtual boot-loader
// target paced at 57,600 baud, and compares the time with what the line
// allows: 25 bytes on the wire per 16-byte block (24 sent, 1 answer).

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const QString link = dir.filePath(QStringLiteral("ttyBSL"));
    const QString firmware = dir.filePath(QStringLiteral("app.txt"));
    QFile file(firmware);
    if (!file.open(QIODevice::WriteOnly) || file.write(imageText()) < 0)
        return 1;
    file.close();

    QProcess target;
    QByteArray log;
    target.start(QStringLiteral(KAMDEL_TOOLS_DIR "/bsltarget"),
        { QStringLiteral("--baud"), QString::number(Baud), QStringLiteral("--model"),
            QStringLiteral("Kamdel"), QStringLiteral("--exit-after-jump"), QStringLiteral("--headless"),
            link });
    while (!log.contains("ready ") && target.waitForReadyRead(5000))
        log += target.readAll();
    if (!log.contains("ready ")) {
        std::fprintf(stderr, "bsltarget did not start\n");
        return 1;
    }
    // The target logs every request; keep its pipe drained during the run.
    QObject::connect(&target, &QProcess::readyReadStandardOutput, &target, [&] { log += target.readAll(); });

    QProcess romwright;
    romwright.setProcessChannelMode(QProcess::ForwardedChannels);
    QEventLoop loop;
    QObject::connect(
        &romwright, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), &loop, &QEventLoop::quit);
    QElapsedTimer timer;
    timer.start();
    romwright.start(
        QStringLiteral(KAMDEL_TOOLS_DIR "/romwright"), { QStringLiteral("--port"), link, firmware });
    loop.exec();
    const double seconds = timer.nsecsElapsed() / 1e9;

    target.waitForFinished(10000);
    log += target.readAll();
    const bool valid = log.contains("verdict app=valid");
    const int blocks = 65536 / 16;
    // The checksum word is one more, shorter request.
    const double wireSeconds = double(blocks * BlockWireBytes + 2 + 8 + 1) * BitsPerByte / Baud;
    std::printf("romwright 64 KiB at %d baud: exit %d, target application check %s\n", Baud,
        romwright.exitCode(), valid ? "valid" : "INVALID");
    std::printf("  whole program run %.3f s, wire limit of the writes %.3f s, fraction %.3f\n", seconds,
        wireSeconds, wireSeconds / seconds);
    return romwright.exitCode() == 0 && valid ? 0 : 1;
}
