// Flashes 64 KiB into 8 virtual boot-loader targets at once, each paced at
// 57,600 baud, through one romwright run over 8 ports, and compares the
// time with one target flashed alone; prints the slowest port's fraction of
// what the line allows and the processor time romwright spends per unit.

#include "PacedImage.h"
#include "PacedTarget.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int Ports = 8;

struct Run
{
    int exitCode = -1;
    int valid = 0;
    double seconds = 0;
    double cpuSeconds = 0;
    std::vector<double> portSeconds;
};

double loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    return file.open(QIODevice::ReadOnly) ? file.readLine().split(' ').value(0).toDouble() : -1;
}

// romwright under a shell whose `times` gives the processor time of
// romwright and of the units it started, not that of the targets.
Run flash(int ports, const QString& firmware)
{
    Run run;
    std::vector<std::unique_ptr<PacedTarget>> targets;
    QStringList arguments { QStringLiteral("-c"),
        QStringLiteral("\"$0\" \"$@\" > \"$ROMWRIGHT_OUT\"; s=$?; times >&2; exit $s"),
        QStringLiteral(KAMDEL_TOOLS_DIR "/romwright") };
    for (int i = 0; i < ports; ++i) {
        targets.push_back(std::make_unique<PacedTarget>());
        if (!targets.back()->start({ QStringLiteral("--baud"), QString::number(PacedImage::Baud),
                QStringLiteral("--model"), QStringLiteral("Kamdel"), QStringLiteral("--exit-after-jump") })) {
            std::fprintf(stderr, "bsltarget did not start\n");
            return run;
        }
        arguments << QStringLiteral("--port") << targets.back()->link();
    }
    arguments << firmware;
    QTemporaryDir dir;
    const QString out = dir.filePath(QStringLiteral("out.txt"));
    QProcess shell;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("ROMWRIGHT_OUT"), out);
    shell.setProcessEnvironment(environment);
    QElapsedTimer timer;
    timer.start();
    shell.start(QStringLiteral("/bin/sh"), arguments);
    shell.waitForFinished(-1);
    run.seconds = timer.nsecsElapsed() / 1e9;
    run.exitCode = shell.exitCode();

    // times: the shell's own line, then its children's "0m1.234s 0m0.567s".
    const QStringList times
        = QString::fromLatin1(shell.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
    const QRegularExpression clock(QStringLiteral("(\\d+)m([\\d.]+)s"));
    auto it = clock.globalMatch(times.value(times.size() - 1));
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        run.cpuSeconds += match.captured(1).toDouble() * 60 + match.captured(2).toDouble();
    }
    QFile summary(out);
    if (summary.open(QIODevice::ReadOnly)) {
        const QRegularExpression line(QStringLiteral("^\\S+: ok, ([\\d.]+) s, "));
        for (const QByteArray& text : summary.readAll().split('\n')) {
            const QRegularExpressionMatch match = line.match(QString::fromUtf8(text));
            if (match.hasMatch())
                run.portSeconds.push_back(match.captured(1).toDouble());
        }
    }
    for (const auto& target : targets)
        run.valid += target->finishedValid() ? 1 : 0;
    return run;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 2;
    QTemporaryDir dir;
    const QString firmware = PacedImage::write(dir);
    if (firmware.isEmpty())
        return 1;
    const double wireSeconds = PacedImage::wireSeconds();
    std::printf("load average at the start %.2f; wire limit of one port's writes %.3f s\n", loadAverage(),
        wireSeconds);
    bool ok = true;
    for (int round = 1; round <= rounds; ++round) {
        const Run one = flash(1, firmware);
        const Run many = flash(Ports, firmware);
        ok = ok && one.exitCode == 0 && many.exitCode == 0 && one.valid == 1 && many.valid == Ports;
        const double slowest = many.portSeconds.empty()
            ? 0
            : *std::max_element(many.portSeconds.cbegin(), many.portSeconds.cend());
        std::printf("round %d: one port %.3f s (exit %d, %d valid); %d ports %.3f s (exit %d, %d valid), "
                    "%.3f times one port\n",
            round, one.seconds, one.exitCode, one.valid, Ports, many.seconds, many.exitCode, many.valid,
            many.seconds / one.seconds);
        std::printf("  slowest port %.3f s, fraction of the wire limit %.3f; processor time per unit: "
                    "one port %.3f s, %d ports %.3f s\n",
            slowest, slowest > 0 ? wireSeconds / slowest : 0, one.cpuSeconds, Ports, many.cpuSeconds / Ports);
    }
    std::printf("load average at the end %.2f\n", loadAverage());
    return ok ? 0 : 1;
}
