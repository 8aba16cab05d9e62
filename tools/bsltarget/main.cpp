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
#include "Helper/StopSignals.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/prctl.h>
#include <termios.h>
#include <unistd.h>

namespace {

int64_t nowNs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// A timer on a shared machine often wakes 100 us or more late, which a real
// UART never adds to an answer: sleep to just before the deadline, then wait
// out the rest awake.
void sleepUntil(int64_t deadlineNs)
{
    constexpr int64_t AwakeNs = 200000;
    const int64_t wake = deadlineNs - AwakeNs;
    timespec ts {};
    ts.tv_sec = wake / 1000000000;
    ts.tv_nsec = wake % 1000000000;
    while (nowNs() < wake && clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) { }
    while (nowNs() < deadlineNs) { }
}

class Log
{
public:
    explicit Log(bool headless)
        : m_Out(headless ? stdout : stderr)
    {
    }
    void line(const QString& text)
    {
        std::fputs(qPrintable(text + QLatin1Char('\n')), m_Out);
        std::fflush(m_Out);
    }

private:
    FILE* m_Out;
};

// The pseudo-terminal and its symlink, released in any case.
class Pty
{
public:
    ~Pty()
    {
        close();
        if (!m_Link.isEmpty())
            ::unlink(QFile::encodeName(m_Link).constData());
    }

    bool open(const QString& link)
    {
        char name[256] = {};
        if (openpty(&m_Master, &m_Slave, name, nullptr, nullptr) != 0)
            return false;
        // Raw before anyone connects, so that nothing is echoed or translated.
        termios tio {};
        tcgetattr(m_Slave, &tio);
        cfmakeraw(&tio);
        tcsetattr(m_Slave, TCSANOW, &tio);
        fcntl(m_Master, F_SETFL, fcntl(m_Master, F_GETFL) | O_NONBLOCK);

        const QByteArray path = QFile::encodeName(link);
        ::unlink(path.constData());
        if (::symlink(name, path.constData()) != 0)
            return false;
        m_Link = link;
        return true;
    }

    // Our own slave descriptor stays open: without it the master reports a
    // hang-up whenever the flasher closes the port between runs.
    void close()
    {
        if (m_Master >= 0)
            ::close(m_Master);
        if (m_Slave >= 0)
            ::close(m_Slave);
        m_Master = m_Slave = -1;
    }

    int master() const { return m_Master; }

private:
    int m_Master = -1;
    int m_Slave = -1;
    QString m_Link;
};

void finalLines(const BslTarget& target, Log& log, const QString& dumpPath)
{
    uint16_t computed = 0;
    uint16_t stored = 0;
    const bool valid = target.applicationValid(&computed, &stored);
    log.line(QStringLiteral("verdict app=%1 crc=%2 stored=%3")
                 .arg(valid ? QStringLiteral("valid") : QStringLiteral("invalid"))
                 .arg(computed, 4, 16, QLatin1Char('0'))
                 .arg(stored, 4, 16, QLatin1Char('0')));
    const QByteArray image = target.writableImage();
    log.line(
        QStringLiteral("digest sha256=%1")
            .arg(QString::fromLatin1(QCryptographicHash::hash(image, QCryptographicHash::Sha256).toHex())));
    log.line(QStringLiteral("vectors sha256=%1")
                 .arg(QString::fromLatin1(
                     QCryptographicHash::hash(target.vectorArea(), QCryptographicHash::Sha256).toHex())));
    if (!dumpPath.isEmpty()) {
        QFile dump(dumpPath);
        if (dump.open(QIODevice::WriteOnly))
            dump.write(image);
    }
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
    const QCommandLineOption modelOption(QStringLiteral("model"), QStringLiteral("Memory map of model NAME."),
        QStringLiteral("NAME"), QStringLiteral("Kamdel"));
    const QCommandLineOption baudOption(QStringLiteral("baud"),
        QStringLiteral("Pace the line at N baud (0: no pacing)."), QStringLiteral("N"), "0");
    const QCommandLineOption versionOption(QStringLiteral("version-answer"),
        QStringLiteral("Answer to the version request."), QStringLiteral("HH"), QStringLiteral("a1"));
    const QCommandLineOption fillOption(
        QStringLiteral("fill"), QStringLiteral("Initial memory content."), QStringLiteral("HH"));
    const QCommandLineOption faultOption(
        QStringLiteral("fault"), QStringLiteral("Inject a fault (repeatable)."), QStringLiteral("FAULT"));
    const QCommandLineOption closeOption(QStringLiteral("close-after"),
        QStringLiteral("Close the line after request N and end."), QStringLiteral("N"));
    const QCommandLineOption guardOption(QStringLiteral("guard-vectors"),
        QStringLiteral("Refuse writes to 0xF800-0xFFFF and keep it through the erase."));
    const QCommandLineOption exitOption(
        QStringLiteral("exit-after-jump"), QStringLiteral("End after answering the jump request."));
    const QCommandLineOption dumpOption(QStringLiteral("dump"),
        QStringLiteral("Write the writable area to FILE at the end."), QStringLiteral("FILE"));
    const QCommandLineOption headlessOption(
        QStringLiteral("headless"), QStringLiteral("Log to standard output for tests."));
    parser.addOptions({ modelOption, baudOption, versionOption, fillOption, faultOption, closeOption,
        guardOption, exitOption, dumpOption, headlessOption });
    parser.addPositionalArgument(
        QStringLiteral("link"), QStringLiteral("Path of the symlink to the serial line."));
    parser.process(app);

    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return fail(QStringLiteral("exactly one link path expected (see --help)"));
    const BslTarget::Model* model = BslTarget::findModel(parser.value(modelOption));
    if (!model)
        return fail(QStringLiteral("unknown model %1").arg(parser.value(modelOption)));
    bool ok = false;
    const int baud = parser.value(baudOption).toInt(&ok);
    if (!ok || baud < 0)
        return fail(QStringLiteral("bad baud rate"));
    const uint versionAnswer = parser.value(versionOption).toUInt(&ok, 16);
    if (!ok || versionAnswer > 0xFF)
        return fail(QStringLiteral("bad version answer"));
    int fill = -1;
    if (parser.isSet(fillOption)) {
        fill = static_cast<int>(parser.value(fillOption).toUInt(&ok, 16));
        if (!ok || fill > 0xFF)
            return fail(QStringLiteral("bad fill value"));
    }
    int closeAfter = 0;
    if (parser.isSet(closeOption)) {
        closeAfter = parser.value(closeOption).toInt(&ok);
        if (!ok || closeAfter < 1)
            return fail(QStringLiteral("bad --close-after"));
    }

    BslTarget target(*model, fill);
    target.setVersionAnswer(static_cast<uint8_t>(versionAnswer));
    target.setCloseAfter(closeAfter);
    target.setGuardVectors(parser.isSet(guardOption));
    for (const QString& text : parser.values(faultOption)) {
        BslTarget::Fault fault {};
        if (!BslTarget::parseFault(text, &fault))
            return fail(QStringLiteral("bad fault %1").arg(text));
        target.addFault(fault);
    }

    const StopSignals stop({ SIGTERM, SIGINT });
    if (stop.fd() < 0)
        return fail(QStringLiteral("pipe failed"));

    Log log(parser.isSet(headlessOption));
    Pty pty;
    if (!pty.open(positional.first()))
        return fail(QStringLiteral("cannot open a pseudo-terminal at %1: %2")
                        .arg(positional.first(), QString::fromLocal8Bit(std::strerror(errno))));
    log.line(QStringLiteral("ready %1").arg(positional.first()));

    const int64_t byteNs = baud > 0 ? int64_t(10) * 1000000000 / baud : 0;
    // Wake up on time rather than within the default 50 us slack.
    if (byteNs)
        prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
    int64_t lineClock = 0;
    const bool exitAfterJump = parser.isSet(exitOption);
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
        if (count <= 0)
            continue;
        const int64_t arrival = nowNs();
        for (ssize_t i = 0; i < count && running; ++i) {
            // Byte i is complete on a real line one byte time after the one
            // before it, or after it was sent, whichever is later.
            if (byteNs)
                lineClock = std::max(lineClock, arrival) + byteNs;
            BslTarget::Reply reply;
            if (!target.feed(buffer[i], &reply))
                continue;
            if (reply.answered) {
                // The answer byte is complete one byte time after the request.
                if (byteNs)
                    sleepUntil(lineClock + byteNs);
                const char answer = static_cast<char>(reply.answer);
                [[maybe_unused]] const ssize_t written = ::write(pty.master(), &answer, 1);
            }
            log.line(reply.line);
            if (reply.closeLine) {
                pty.close();
                log.line(QStringLiteral("closed after request %1").arg(target.requests()));
                running = false;
            } else if (reply.jumped && exitAfterJump) {
                running = false;
            }
        }
    }

    finalLines(target, log, parser.value(dumpOption));
    return 0;
}
