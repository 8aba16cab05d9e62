// A production station run through firmware and light program: eight
// simulated boards (boot loader, then panel, each paced at 57,600 baud)
// plugged in at once against one board alone, through `romwright station
// --recipe`; prints both times and their ratio.

#include "PacedImage.h"
#include "PacedTarget.h"
#include "Recipe.h"
#include "RecipeCheck.h"
#include "TestPattern.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int Units = 8;
constexpr qint64 TimeoutMs = 600000;

struct Run
{
    double seconds = 0;
    int passed = 0;
    int lines = 0;
};

int countLines(const QString& path, const QByteArray& needle)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    int count = 0;
    for (const QByteArray& line : file.readAll().split('\n'))
        count += !line.isEmpty() && !line.startsWith("time,") && line.contains(needle) ? 1 : 0;
    return count;
}

// A recipe watching the given links, written into the folder; empty on failure.
QString writeRecipe(const QTemporaryDir& dir, const QStringList& links, const QString& log)
{
    Recipe recipe;
    recipe.model = QStringLiteral("ZQ-RING-A");
    recipe.firmware = PacedImage::write(dir);
    recipe.program = dir.filePath(QStringLiteral("show.xml"));
    recipe.log = log;
    recipe.watch = links;
    recipe.test = false;
    QString error;
    const QString path = dir.filePath(QStringLiteral("recipe.ini"));
    if (recipe.firmware.isEmpty() || !TestPattern::save(recipe.program, recipe.model, &error)
        || !RecipeCheck::stamp(&recipe, &error) || !recipe.write(path, &error)) {
        std::fprintf(stderr, "recipe: %s\n", qPrintable(error));
        return QString();
    }
    return path;
}

Run station(int units)
{
    Run run;
    std::vector<std::unique_ptr<PacedTarget>> boards;
    QStringList links;
    for (int i = 0; i < units; ++i) {
        boards.push_back(std::make_unique<PacedTarget>());
        if (!boards.back()->start({ QStringLiteral("--baud"), QString::number(PacedImage::Baud) },
                QStringLiteral("virtualunit"))) {
            std::fprintf(stderr, "virtualunit did not start\n");
            return run;
        }
        links << boards.back()->link();
    }
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("units.csv"));
    const QString recipe = writeRecipe(dir, links, log);
    if (recipe.isEmpty())
        return run;
    QProcess process;
    process.setStandardOutputFile(dir.filePath(QStringLiteral("station.txt")));
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(KAMDEL_TOOLS_DIR "/romwright"),
        { QStringLiteral("station"), QStringLiteral("--recipe"), recipe, QStringLiteral("--no-test"),
            QStringLiteral("--operator"), QStringLiteral("bench") });
    process.waitForStarted();
    while (countLines(log, ",station,") < units && timer.elapsed() < TimeoutMs
        && process.state() == QProcess::Running)
        QThread::msleep(20);
    run.seconds = timer.nsecsElapsed() / 1e9;
    run.lines = countLines(log, ",station,");
    run.passed = countLines(log, ",done,");
    process.terminate();
    process.waitForFinished(10000);
    return run;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 1;
    bool ok = true;
    for (int round = 1; round <= rounds; ++round) {
        const Run one = station(1);
        const Run many = station(Units);
        ok = ok && one.passed == 1 && many.passed == Units;
        std::printf("round %d: one unit %.3f s (%d passed); %d units %.3f s (%d of %d lines passed), "
                    "%.3f times one unit\n",
            round, one.seconds, one.passed, Units, many.seconds, many.passed, many.lines,
            one.seconds > 0 ? many.seconds / one.seconds : 0);
    }
    return ok ? 0 : 1;
}
