// virtualunit: a fresh production panel board on a pseudo-terminal, for the
// station's two steps on one serial port: the firmware through the MSP430
// boot loader (romwright), then light programs through the panel link
// (kamdel write, the editor's Compile and Write).
//
// Usage:
//   virtualunit [options] <link>
//
// The program opens a pseudo-terminal in raw mode and makes <link> a symlink
// to its slave side; the link is removed when the program ends.
//
// The board starts in its boot loader, as a fresh one does, and is the
// virtual boot loader of bsltarget until a jump request finds a valid
// application. Neither romwright nor the editor sends a word that makes a
// running application enter the boot loader, so there is none to model: bytes
// that reach the boot loader outside a request are answered as a bad header.
// After a valid jump it is the virtual panel of KamdelVirtualPanel (image
// variant auto, program memory empty): it takes Reset, Next and program
// blocks and runs the image. It never goes back to the boot loader.
//
// Boot-loader options, as bsltarget has them:
//   --model NAME  --baud N  --version-answer HH  --fill HH  --fault FAULT
//   --guard-vectors          (--baud paces the boot loader's answers; FAULT is
//                            silent@N, answer=HH@N or corrupt@N, N+ for N and on)
// Faults of a board on the bench:
//   --dead                   the line opens, nothing is ever answered
//   --unplug-at firmware:N   after boot-loader request N (answered) the board
//   --unplug-at panel:N      or after panel word N, the board vanishes: the
//                            link goes, the line closes, the program ends (0)
//   --headless               log to standard output for a test to read
//                            (otherwise the same lines go to standard error)
//
// Log lines:
//   ready <link>
//   #1 version answer=a1                  boot-loader requests, as bsltarget
//   #10 jump app=valid crc=1d0f stored=1d0f answer=55
//   RX NEXT, IMAGE ..., START ..., FRAME <k> <hex> at <offset>, HOLD ...
//                                         the panel's lines, as KamdelVirtualPanel
//                                         prints them (READY is not repeated)
//   unplugged                             --unplug-at came true
//   verdict ..., digest ..., vectors ...  at the end, as bsltarget
//
// It ends on SIGTERM or SIGINT (QProcess::terminate) or when unplugged.

#include "BslTargetOptions.h"
#include "Helper/StopSignals.h"
#include "VirtualUnit.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdio>

namespace {

int fail(const QString& text)
{
    std::fprintf(stderr, "virtualunit: %s\n", qPrintable(text));
    return 2;
}

// "firmware:N" or "panel:N"; true and the number in the matching one.
bool parseUnplug(const QString& text, int* request, int* word)
{
    static const QRegularExpression pattern(QStringLiteral("^(firmware|panel):([1-9][0-9]*)$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    *(match.captured(1) == QLatin1String("firmware") ? request : word) = match.captured(2).toInt();
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("virtualunit"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "A fresh production panel board on a pseudo-terminal: an MSP430 boot loader until a valid "
        "application is started, then the panel application.\nModels: %1.\n"
        "Fault FAULT: silent@N, answer=HH@N, corrupt@N (N+ = N and later).")
                                         .arg(BslTarget::modelNames().join(QStringLiteral(", "))));
    parser.addHelpOption();
    const BslTargetOptions targetOptions(&parser);
    const QCommandLineOption deadOption(QStringLiteral("dead"), QStringLiteral("Never answer."));
    const QCommandLineOption unplugOption(QStringLiteral("unplug-at"),
        QStringLiteral("Vanish after boot-loader request N or panel word N."),
        QStringLiteral("firmware:N|panel:N"));
    const QCommandLineOption headlessOption(
        QStringLiteral("headless"), QStringLiteral("Log to standard output for tests."));
    parser.addOptions({ deadOption, unplugOption, headlessOption });
    parser.addPositionalArgument(
        QStringLiteral("link"), QStringLiteral("Path of the symlink to the serial line."));
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return fail(QStringLiteral("exactly one link path expected (see --help)"));
    QString error;
    std::unique_ptr<BslTarget> bootLoader = targetOptions.create(&error);
    if (!bootLoader)
        return fail(error);
    int unplugRequest = 0;
    int unplugWord = 0;
    if (parser.isSet(unplugOption) && !parseUnplug(parser.value(unplugOption), &unplugRequest, &unplugWord))
        return fail(QStringLiteral("--unplug-at takes firmware:N or panel:N"));

    const LineLog log(parser.isSet(headlessOption));
    VirtualUnit unit(std::move(bootLoader), targetOptions.baud(), log);
    unit.setDead(parser.isSet(deadOption));
    if (unplugRequest)
        unit.unplugAfterRequest(unplugRequest);
    unit.unplugAfterWord(unplugWord);
    // Ends the event loop on SIGINT and SIGTERM, so that the link is removed.
    const StopSignals stop({ SIGINT, SIGTERM });
    QObject::connect(&stop, &StopSignals::stopRequested, &app, &QCoreApplication::quit);
    QObject::connect(&unit, &VirtualUnit::unplugged, &app, &QCoreApplication::quit);
    if (!unit.open(positional.first(), &error))
        return fail(error);
    app.exec();
    for (const QString& line : unit.bootLoader().summary())
        log.line(line);
    return 0;
}
