#include "CommandLine.h"
#include "ProgressBar.h"

#include "FlashRun.h"
#include "MspFlasher.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSerialPort>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

int interruptPipe[2] = { -1, -1 };
// Set by the handler itself and looked at before every request: the pipe
// reaches the event loop only while an answer is awaited, which may be
// after the next request has gone out.
volatile std::sig_atomic_t interruptFlag = 0;

void onInterrupt(int)
{
    interruptFlag = 1;
    const char c = 0;
    [[maybe_unused]] const ssize_t written = ::write(interruptPipe[1], &c, 1);
}

// "1 byte", "6 bytes"
QString bytesText(qint64 count)
{
    return count == 1 ? CommandLine::tr("1 byte") : CommandLine::tr("%1 bytes").arg(count);
}

void printLine(FILE* out, const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), out);
    std::fflush(out);
}

int usage(const QString& text)
{
    printLine(stderr, QStringLiteral("romwright: %1").arg(text));
    printLine(stderr, QStringLiteral("Try 'romwright --help' for more information."));
    return CommandLine::Usage;
}

} // namespace

CommandLine::CommandLine(QObject* parent)
    : QObject(parent)
    , m_pSerialPort(std::make_unique<QSerialPort>())
{
}

CommandLine::~CommandLine() = default;

void CommandLine::catchInterrupts()
{
    if (::pipe(interruptPipe) == 0) {
        m_pInterruptNotifier = std::make_unique<QSocketNotifier>(interruptPipe[0], QSocketNotifier::Read);
        connect(m_pInterruptNotifier.get(), &QSocketNotifier::activated, this, &CommandLine::interrupted);
    }
    struct sigaction action
    {
    };
    action.sa_handler = onInterrupt;
    // Reads and writes on the port go on undisturbed; the cancel comes through the flag.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigset_t caught;
    sigemptyset(&caught);
    // A closed terminal or remote login (SIGHUP) cancels like Ctrl+C, so
    // that the report still says what the device holds.
    for (const int signal : { SIGINT, SIGTERM, SIGHUP }) {
        sigaction(signal, &action, nullptr);
        sigaddset(&caught, signal);
    }
    // Started with them blocked, the program would never hear them; one
    // that came before this point is delivered now.
    sigprocmask(SIG_UNBLOCK, &caught, nullptr);
    // With the terminal or the reading end gone, the report may fail to
    // print, but the run must still end cleanly.
    std::signal(SIGPIPE, SIG_IGN);
}

void CommandLine::interrupted()
{
    char c;
    [[maybe_unused]] const ssize_t read = ::read(interruptPipe[0], &c, 1);
    if (m_pMspFlasher)
        m_pMspFlasher->cancel();
}

int CommandLine::exec(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Writes MSP430 firmware (TI-TXT or Intel HEX) through the serial boot loader.\n"
           "  romwright [--model MODEL] --port PORT [--baud N] [--write-vector-area] FIRMWARE\n"
           "  romwright check [--model MODEL] [--write-vector-area] FIRMWARE\n"
           "Models: %1.\n"
           "Exit status: 0 success, 1 the device refused or did not answer, 2 the file is bad or does "
           "not fit the device, 3 the port cannot be opened, 4 canceled, 64 wrong usage.")
            .arg(MspFlasher::modelNames().join(QStringLiteral(", "))));
    const QCommandLineOption helpOption(
        { QStringLiteral("h"), QStringLiteral("help") }, tr("Show this help and exit."));
    const QCommandLineOption versionOption(
        { QStringLiteral("v"), QStringLiteral("version") }, tr("Show the version and exit."));
    const QCommandLineOption modelOption(QStringLiteral("model"),
        tr("Microcontroller model (default Kamdel)."), QStringLiteral("MODEL"), QStringLiteral("Kamdel"));
    const QCommandLineOption portOption(
        QStringLiteral("port"), tr("Serial port name or device path."), QStringLiteral("PORT"));
    const QCommandLineOption baudOption(QStringLiteral("baud"), tr("Line speed (default 57600)."),
        QStringLiteral("N"), QStringLiteral("57600"));
    const QCommandLineOption vectorOption(QStringLiteral("write-vector-area"),
        tr("Write the image's bytes in 0xF800-0xFFFF, where the boot loader keeps the interrupt vectors "
           "(refused without this option)."));
    parser.addOptions({ helpOption, versionOption, modelOption, portOption, baudOption, vectorOption });
    parser.addPositionalArgument(
        QStringLiteral("FIRMWARE"), tr("The firmware file."), QStringLiteral("[check] FIRMWARE"));

    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(helpOption)) {
        printLine(stdout, parser.helpText());
        return Success;
    }
    if (parser.isSet(versionOption)) {
        printLine(stdout, QStringLiteral("romwright %1").arg(QCoreApplication::applicationVersion()));
        return Success;
    }

    QStringList positional = parser.positionalArguments();
    const bool checkOnly = positional.size() == 2 && positional.first() == QLatin1String("check");
    if (checkOnly)
        positional.removeFirst();
    if (positional.size() != 1)
        return usage(tr("exactly one firmware file expected"));
    const QString model = parser.value(modelOption);
    m_WriteVectorArea = parser.isSet(vectorOption);
    if (!MspFlasher::modelNames().contains(model))
        return usage(tr("unknown model %1 (known: %2)")
                         .arg(model, MspFlasher::modelNames().join(QStringLiteral(", "))));
    if (checkOnly) {
        if (parser.isSet(portOption) || parser.isSet(baudOption))
            return usage(tr("check touches no device: --port and --baud do not apply"));
        return check(model, positional.first());
    }
    if (!parser.isSet(portOption) || parser.value(portOption).isEmpty())
        return usage(tr("--port is required"));
    bool ok = false;
    const int baudRate = parser.value(baudOption).toInt(&ok);
    if (!ok || baudRate <= 0)
        return usage(tr("bad line speed %1").arg(parser.value(baudOption)));
    return flash(model, parser.value(portOption), baudRate, positional.first());
}

int CommandLine::flash(const QString& model, const QString& port, int baudRate, const QString& firmware)
{
    m_pSerialPort->setPortName(port);
    m_pSerialPort->setBaudRate(baudRate);
    m_pSerialPort->setDataBits(QSerialPort::Data8);
    m_pSerialPort->setParity(QSerialPort::NoParity);
    m_pSerialPort->setStopBits(QSerialPort::OneStop);
    m_pMspFlasher.reset(MspFlasher::crate(model, m_pSerialPort.get()));
    m_pMspFlasher->watchCancelFlag(&interruptFlag);
    m_pFlashRun = std::make_unique<FlashRun>(m_pMspFlasher.get(), m_pSerialPort.get());
    allowVectorArea(m_pFlashRun.get());

    ProgressBar bar(stderr);
    const bool showBar = ::isatty(STDERR_FILENO);
    if (showBar)
        connect(m_pMspFlasher.get(), &MspFlasher::progress, &bar, &ProgressBar::setValue);
    connect(m_pFlashRun.get(), &FlashRun::report, &bar, [&bar](const QString& line) {
        bar.finish();
        printLine(stdout, line);
    });

    const FlashRun::Outcome outcome = m_pFlashRun->run(firmware);
    bar.finish();
    hintVectorOption(*m_pFlashRun);
    return int(outcome);
}

int CommandLine::check(const QString& model, const QString& firmware)
{
    m_pMspFlasher.reset(MspFlasher::crate(model, m_pSerialPort.get()));
    FlashRun run(m_pMspFlasher.get(), m_pSerialPort.get());
    allowVectorArea(&run);
    connect(&run, &FlashRun::report, this, [](const QString& line) { printLine(stderr, line); });
    if (!run.loadImage(firmware)) {
        hintVectorOption(run);
        return BadFile;
    }

    const QList<sMemory>& segments = m_pMspFlasher->memoryData();
    qint64 total = 0;
    for (const sMemory& segment : segments) {
        printLine(stdout,
            tr("segment %1-%2 %3")
                .arg(MspFlasher::addressText(segment.address),
                    MspFlasher::addressText(segment.address + uint32_t(segment.data.size()) - 1),
                    bytesText(segment.data.size())));
        total += segment.data.size();
    }
    printLine(stdout,
        tr("%1 in %2")
            .arg(bytesText(total),
                segments.size() == 1 ? tr("1 segment") : tr("%1 segments").arg(segments.size())));
    printLine(stdout, tr("memory %1 fits %2").arg(model, m_pMspFlasher->writableRangesText()));
    printLine(stdout,
        tr("checksum %1 at %2")
            .arg(MspFlasher::addressText(m_pMspFlasher->applicationChecksum()),
                MspFlasher::addressText(m_pMspFlasher->writableRanges().first().first)));
    return Success;
}

void CommandLine::allowVectorArea(FlashRun* run)
{
    // Without the option no one is asked and the image is refused.
    if (m_WriteVectorArea)
        run->setVectorAreaConfirmation([](const QString&) { return true; });
}

void CommandLine::hintVectorOption(const FlashRun& run)
{
    if (run.vectorAreaRefused())
        printLine(stderr, tr("romwright: give --write-vector-area to write them all the same"));
}
