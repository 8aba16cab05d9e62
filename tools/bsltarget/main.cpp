// bsltarget: a virtual MSP430 boot loader (the small CRC-checking kind the
// flasher talks to) on a pseudo-terminal.
//
// Usage:
//   bsltarget [options] <link>
//
// The program opens a pseudo-terminal and makes <link> a symlink to its slave
// side, so a QSerialPort (or any terminal program) can open <link> like a
// serial port. The symlink is removed when the program ends.
//
//   --model NAME          memory map: Kamdel (default), MSP430FR2512, MSP430FR5729,
//                         MSP430FR5992, MSP430FR5994
//   --baud N              pace the line at N baud, 10 bits per byte, requests and
//                         answers alike (0, the default, answers at once)
//   --version-answer HH   answer to the version request (default a1)
//   --fill HH             initial memory content (default: an address pattern)
//   --fault FAULT         repeatable; requests are numbered from 1 in arrival order
//                         (rejected packets count too):
//                           silent@N      request N is lost: no effect, no answer
//                           answer=HH@N   request N is refused with answer HH
//                           corrupt@N     request N takes effect, its answer
//                                         arrives XORed with 0x5a
//                         "N+" means request N and every later one.
//   --guard-vectors       refuse writes to 0xF800-0xFFFF and keep that area
//                         through the erase, as a boot loader whose own interrupt
//                         vectors lie there does (otherwise the area is erased and
//                         written like the application, but not checked)
//   --close-after N       close the line after answering request N, then end
//   --exit-after-jump     end after the jump request has been answered
//   --dump FILE           at the end write the writable area (first range, then
//                         the second one) to FILE as raw bytes
//   --headless            log to standard output for a test to read (otherwise
//                         the same lines go to standard error)
//
// Log lines, one per request, then two at the end:
//   ready <link>
//   #1 version answer=a1
//   #2 erase answer=00
//   #3 write addr=006000 len=16 answer=00
//   #9 write addr=00e2fe len=2 refused=00e2fe answer=c5
//   #10 jump app=valid crc=1d0f stored=1d0f answer=55
//   #11 bad-header byte=12 answer=51      (also bad-length, bad-crc, bad-size, unknown)
//   #12 version answer=none fault=silent  (injected faults are named)
//   closed after request 12               (--close-after only)
//   verdict app=valid crc=1d0f stored=1d0f
//   digest sha256=<hex of SHA-256 over the bytes --dump writes>
//   vectors sha256=<hex of SHA-256 over 0xF800-0xFFFF>
//
// It ends on SIGTERM or SIGINT (QProcess::terminate), after the jump with
// --exit-after-jump, or after --close-after; the last two lines are printed
// in every case.

#include "BslTarget.h"
#include "BslTargetOptions.h"
#include "Helper/StopSignals.h"
#include "PacedBootLoader.h"
#include "PtyLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <unistd.h>

namespace {

void finalLines(const BslTarget& target, const LineLog& log, const QString& dumpPath)
{
    for (const QString& line : target.summary())
        log.line(line);
    if (!dumpPath.isEmpty()) {
        QFile dump(dumpPath);
        if (dump.open(QIODevice::WriteOnly))
            dump.write(target.writableImage());
    }
}

// Answers requests until a signal comes, the line closes (true) or, with
// exitAfterJump, the jump request has been answered.
bool serve(PtyLine& pty, PacedBootLoader& bootLoader, const StopSignals& stop, bool exitAfterJump)
{
    bool running = true;
    while (running) {
        pollfd fds[2] = { { pty.master(), POLLIN, 0 }, { stop.fd(), POLLIN, 0 } };
        if (::poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            break;
        }
        if (fds[1].revents)
            break;
        if (!(fds[0].revents & POLLIN))
            continue;

        uint8_t buffer[4096];
        const ssize_t count = ::read(pty.master(), buffer, sizeof buffer);
        const int64_t arrival = LinePacer::nowNs();
        for (ssize_t i = 0; i < count && running; ++i) {
            BslTarget::Reply reply;
            if (!bootLoader.take(buffer[i], arrival, pty.master(), &reply))
                continue;
            if (reply.closeLine) {
                pty.close();
                return true;
            }
            running = !(reply.jumped && exitAfterJump);
        }
    }
    return false;
}

int fail(const QString& text)
{
    std::fprintf(stderr, "bsltarget: %s\n", qPrintable(text));
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("bsltarget"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A virtual MSP430 CRC-checking boot loader on a pseudo-terminal.\nModels: %1.\n"
                       "Fault FAULT: silent@N, answer=HH@N, corrupt@N (N+ = N and later).")
            .arg(BslTarget::modelNames().join(QStringLiteral(", "))));
    parser.addHelpOption();
    const BslTargetOptions targetOptions(&parser);
    const QCommandLineOption closeOption(QStringLiteral("close-after"),
        QStringLiteral("Close the line after request N and end."), QStringLiteral("N"));
    const QCommandLineOption exitOption(
        QStringLiteral("exit-after-jump"), QStringLiteral("End after answering the jump request."));
    const QCommandLineOption dumpOption(QStringLiteral("dump"),
        QStringLiteral("Write the writable area to FILE at the end."), QStringLiteral("FILE"));
    const QCommandLineOption headlessOption(
        QStringLiteral("headless"), QStringLiteral("Log to standard output for tests."));
    parser.addOptions({ closeOption, exitOption, dumpOption, headlessOption });
    parser.addPositionalArgument(
        QStringLiteral("link"), QStringLiteral("Path of the symlink to the serial line."));
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return fail(QStringLiteral("exactly one link path expected (see --help)"));
    QString error;
    const std::unique_ptr<BslTarget> created = targetOptions.create(&error);
    if (!created)
        return fail(error);
    BslTarget& target = *created;
    if (parser.isSet(closeOption)) {
        bool ok = false;
        const int closeAfter = parser.value(closeOption).toInt(&ok);
        if (!ok || closeAfter < 1)
            return fail(QStringLiteral("bad --close-after"));
        target.setCloseAfter(closeAfter);
    }

    const StopSignals stop({ SIGTERM, SIGINT });
    if (stop.fd() < 0)
        return fail(QStringLiteral("pipe failed"));

    const LineLog log(parser.isSet(headlessOption));
    PtyLine pty;
    if (!pty.open(positional.first(), &error))
        return fail(error);
    log.line(QStringLiteral("ready %1").arg(positional.first()));

    PacedBootLoader bootLoader(&target, targetOptions.baud(), log);
    if (serve(pty, bootLoader, stop, parser.isSet(exitOption)))
        log.line(QStringLiteral("closed after request %1").arg(target.requests()));
    finalLines(target, log, parser.value(dumpOption));
    return 0;
}
