#include "CommandLine.h"
#include "ManyPorts.h"
#include "ProgressBar.h"
#include "RecipeStation.h"
#include "Station.h"

#include "Recipe.h"
#include "RecipeCheck.h"

#include "Fleet/FlashRun.h"
#include "Fleet/PortFleet.h"
#include "Fleet/UnitReporter.h"
#include "Helper/PortIdentity.h"
#include "Helper/StopSignals.h"
#include "MspFlasher/MspFlasher.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QSerialPort>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

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

QString description()
{
    return CommandLine::tr(
        "Writes MSP430 firmware (TI-TXT or Intel HEX) through the serial boot loader.\n"
        "  romwright [--model MODEL] --port PORT [--baud N] [--write-vector-area] FIRMWARE\n"
        "  romwright [--model MODEL] [--baud N] [--log FILE] --port A --port B ... FIRMWARE\n"
        "  romwright check [--model MODEL] [--write-vector-area] FIRMWARE\n"
        "  romwright station [--model MODEL] [--baud N] [--watch GLOB]... [--log FILE] [--once] "
        "[--skip-present] FIRMWARE\n"
        "  romwright station --recipe RECIPE [--once] [--no-test] [--operator NAME]\n"
        "  romwright recipe --model PANEL --firmware F --program DOC --log L [--watch GLOB]... [--baud N] "
        "[--write-vector-area] [--test|--no-test] [--serial-required] [--station NAME] -o RECIPE\n"
        "Models: %1.\n"
        "Exit status: 0 success, 1 the device refused or did not answer, 2 the file is bad or does "
        "not fit the device, 3 the port cannot be opened, 4 canceled, 64 wrong usage.\n"
        "With several ports: 0 every port succeeded, 1 any device failed, else 3 any port could not "
        "be opened, else 4 canceled.\n"
        "recipe: 0 written, 2 it cannot be written, 3 a station could not start with it.\n"
        "station --recipe: 0 every unit passed, 1 any failed, else 4 canceled; 3 the recipe does not "
        "let the station start.")
        .arg(MspFlasher::modelNames().join(QStringLiteral(", ")));
}

// Known to the parser but left out of the help: for the program's own use.
QCommandLineOption hiddenOption(const QString& name)
{
    QCommandLineOption option(name);
    option.setFlags(QCommandLineOption::HiddenFromHelp);
    return option;
}

// "--firmware", "-o"
QString optionText(const QCommandLineOption& option)
{
    const QString name = option.names().constLast();
    return (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
}

} // namespace

// The options of every command, declared once for the parser and for the
// questions asked of it afterwards.
struct CommandLine::Arguments
{
    Arguments();

    QCommandLineParser parser;
    const QCommandLineOption help { { QStringLiteral("h"), QStringLiteral("help") },
        tr("Show this help and exit.") };
    const QCommandLineOption version { { QStringLiteral("v"), QStringLiteral("version") },
        tr("Show the version and exit.") };
    const QCommandLineOption model { QStringLiteral("model"), tr("Microcontroller model (default Kamdel)."),
        QStringLiteral("MODEL"), QStringLiteral("Kamdel") };
    const QCommandLineOption port { QStringLiteral("port"),
        tr("Serial port name or device path; repeat it to flash several ports at once."),
        QStringLiteral("PORT") };
    const QCommandLineOption ports { QStringLiteral("ports"),
        tr("Several ports at once, separated by commas."), QStringLiteral("A,B,...") };
    const QCommandLineOption log { QStringLiteral("log"),
        tr("Append a CSV line per unit to FILE (header when new)."), QStringLiteral("FILE") };
    const QCommandLineOption watch { QStringLiteral("watch"),
        tr("station: ports to watch for (repeatable; default %1).")
            .arg(Station::defaultGlobs().join(QStringLiteral(" and "))),
        QStringLiteral("GLOB") };
    const QCommandLineOption once { QStringLiteral("once"), tr("station: end after the first unit.") };
    const QCommandLineOption skip { QStringLiteral("skip-present"),
        tr("station: leave the ports present at the start alone.") };
    const QCommandLineOption unit = hiddenOption(QString::fromLatin1(UnitReporter::Option));
    const QCommandLineOption baud { QStringLiteral("baud"), tr("Line speed (default 57600)."),
        QStringLiteral("N"), QStringLiteral("57600") };
    const QCommandLineOption firmware { QStringLiteral("firmware"), tr("recipe: the firmware file."),
        QStringLiteral("FILE") };
    const QCommandLineOption program { QStringLiteral("program"), tr("recipe: the light program document."),
        QStringLiteral("FILE") };
    const QCommandLineOption test { QStringLiteral("test"), tr("recipe: test each panel after writing it.") };
    const QCommandLineOption noTest { QStringLiteral("no-test"),
        tr("recipe: do not test the panels (default); station --recipe: skip the recipe's test.") };
    const QCommandLineOption serial { QStringLiteral("serial-required"),
        tr("recipe: refuse a panel without a serial number.") };
    const QCommandLineOption station { QStringLiteral("station"), tr("recipe: the station's name."),
        QStringLiteral("NAME") };
    const QCommandLineOption output { QStringLiteral("o"), tr("recipe: the recipe file to write."),
        QStringLiteral("RECIPE") };
    const QCommandLineOption recipe { QStringLiteral("recipe"),
        tr("station: run the recipe's station, asking serial numbers and test verdicts on the terminal."),
        QStringLiteral("RECIPE") };
    const QCommandLineOption operatorName { QStringLiteral("operator"),
        tr("station --recipe: the operator's name (asked when not given)."), QStringLiteral("NAME") };
    const QCommandLineOption vector { QStringLiteral("write-vector-area"),
        tr("Write the image's bytes in 0xF800-0xFFFF, where the boot loader keeps the interrupt vectors "
           "(refused without this option).") };
};

CommandLine::Arguments::Arguments()
{
    parser.setApplicationDescription(description());
    parser.addOptions({ help, version, model, port, ports, log, watch, once, skip, unit, baud, vector,
        firmware, program, test, noTest, serial, station, output, recipe, operatorName });
    parser.addPositionalArgument(QStringLiteral("FIRMWARE"), tr("The firmware file."),
        QStringLiteral("[check|station] FIRMWARE | recipe"));
}

CommandLine::CommandLine(QObject* parent)
    : QObject(parent)
    , m_pSerialPort(std::make_unique<QSerialPort>())
{
}

CommandLine::~CommandLine() = default;

void CommandLine::catchInterrupts()
{
    // A closed terminal or remote login (SIGHUP) cancels like Ctrl+C, so
    // that the report still says what the device holds.
    m_pStopSignals = std::make_unique<StopSignals>();
    connect(m_pStopSignals.get(), &StopSignals::stopRequested, this, &CommandLine::interrupted);
}

void CommandLine::interrupted()
{
    if (m_pMspFlasher)
        m_pMspFlasher->cancel();
    emit interruptRequested();
}

int CommandLine::exec(const QStringList& arguments)
{
    Arguments args;
    if (!args.parser.parse(arguments))
        return usage(args.parser.errorText());
    if (args.parser.isSet(args.help)) {
        printLine(stdout, args.parser.helpText());
        return Success;
    }
    if (args.parser.isSet(args.version)) {
        printLine(stdout, QStringLiteral("romwright %1").arg(QCoreApplication::applicationVersion()));
        return Success;
    }
    return dispatch(args);
}

// The command named before the firmware file ("check", "station" or none
// for flashing) and the model every command needs.
int CommandLine::dispatch(const Arguments& args)
{
    const QCommandLineParser& parser = args.parser;
    QStringList positional = parser.positionalArguments();
    if (positional == QStringList { QStringLiteral("recipe") })
        return recipeCommand(args);
    if (positional == QStringList { QStringLiteral("station") } && parser.isSet(args.recipe))
        return recipeStation(args);
    if (parser.isSet(args.recipe) || parser.isSet(args.operatorName))
        return usage(tr("--recipe and --operator belong to station"));
    for (const QCommandLineOption* option : { &args.firmware, &args.program, &args.test, &args.noTest,
             &args.serial, &args.station, &args.output })
        if (parser.isSet(*option))
            return usage(tr("%1 belongs to recipe").arg(optionText(*option)));
    const bool checkOnly = positional.size() == 2 && positional.first() == QLatin1String("check");
    const bool station = positional.size() == 2 && positional.first() == QLatin1String("station");
    if (checkOnly || station)
        positional.removeFirst();
    if (!station && (parser.isSet(args.watch) || parser.isSet(args.once) || parser.isSet(args.skip)))
        return usage(tr("--watch, --once and --skip-present belong to station"));
    if (positional.size() != 1)
        return usage(tr("exactly one firmware file expected"));
    const QString model = parser.value(args.model);
    m_WriteVectorArea = parser.isSet(args.vector);
    if (!MspFlasher::modelNames().contains(model))
        return usage(tr("unknown model %1 (known: %2)")
                         .arg(model, MspFlasher::modelNames().join(QStringLiteral(", "))));
    if (checkOnly)
        return checkCommand(args, model, positional.first());
    return flashCommand(args, model, positional.first(), station);
}

// A recipe from the files as they are now, written only when a station
// could start with it.
int CommandLine::recipeCommand(const Arguments& args)
{
    const QCommandLineParser& parser = args.parser;
    for (const QCommandLineOption* option :
        { &args.model, &args.firmware, &args.program, &args.log, &args.output })
        if (!parser.isSet(*option))
            return usage(tr("recipe needs %1").arg(optionText(*option)));
    if (parser.isSet(args.port) || parser.isSet(args.ports) || parser.isSet(args.once)
        || parser.isSet(args.skip) || (parser.isSet(args.test) && parser.isSet(args.noTest)))
        return usage(tr(
            "recipe takes none of --port, --ports, --once, --skip-present, nor both --test and --no-test"));
    Recipe recipe;
    recipe.model = parser.value(args.model);
    recipe.station = parser.value(args.station);
    recipe.firmware = QFileInfo(parser.value(args.firmware)).absoluteFilePath();
    recipe.program = QFileInfo(parser.value(args.program)).absoluteFilePath();
    recipe.log = QFileInfo(parser.value(args.log)).absoluteFilePath();
    recipe.watch = parser.isSet(args.watch) ? parser.values(args.watch) : Station::defaultGlobs();
    recipe.writeVectorArea = parser.isSet(args.vector);
    recipe.test = parser.isSet(args.test);
    recipe.serialRequired = parser.isSet(args.serial);
    bool ok = false;
    recipe.baud = parser.value(args.baud).toInt(&ok);
    if (!ok || recipe.baud <= 0)
        return usage(tr("bad line speed %1").arg(parser.value(args.baud)));
    const QString output = QFileInfo(parser.value(args.output)).absoluteFilePath();
    if (QStringList { recipe.firmware, recipe.program, recipe.log }.contains(output))
        return usage(tr("-o %1 would overwrite one of the recipe's own files").arg(output));
    return writeRecipe(&recipe, output);
}

int CommandLine::writeRecipe(Recipe* recipe, const QString& output)
{
    QString error;
    if (!RecipeCheck::stamp(recipe, &error) || !(error = RecipeCheck::problem(*recipe)).isEmpty()) {
        printLine(stderr, QStringLiteral("romwright: %1").arg(error));
        return PortFailed;
    }
    if (!recipe->write(output, &error)) {
        printLine(stderr, QStringLiteral("romwright: %1").arg(error));
        return BadFile;
    }
    return Success;
}

int CommandLine::checkCommand(const Arguments& args, const QString& model, const QString& firmware)
{
    const QCommandLineParser& parser = args.parser;
    if (parser.isSet(args.port) || parser.isSet(args.ports) || parser.isSet(args.baud)
        || parser.isSet(args.log))
        return usage(tr("check touches no device: --port, --ports, --baud and --log do not apply"));
    return check(model, firmware);
}

// Flashing one port, several ports or the ports a station finds: the ports
// and the line speed first, then the run that fits them.
int CommandLine::flashCommand(
    const Arguments& args, const QString& model, const QString& firmware, bool station)
{
    const QCommandLineParser& parser = args.parser;
    if (station && (parser.isSet(args.port) || parser.isSet(args.ports)))
        return usage(tr("station finds its ports itself: use --watch"));
    QStringList ports;
    QString portProblem;
    if (!PortFleet::collectPorts(parser.values(args.port), parser.values(args.ports), &ports, &portProblem))
        return usage(portProblem);
    if (ports.isEmpty() && !station)
        return usage(tr("--port is required"));
    bool ok = false;
    const int baudRate = parser.value(args.baud).toInt(&ok);
    if (!ok || baudRate <= 0)
        return usage(tr("bad line speed %1").arg(parser.value(args.baud)));
    if (station)
        return runStation(args, model, baudRate, firmware);
    if (ports.size() > 1 || parser.isSet(args.log))
        return flashMany(model, ports, baudRate, firmware, parser.value(args.log));
    m_UnitReport = parser.isSet(args.unit);
    return flash(model, ports.first(), baudRate, firmware);
}

// The recipe names everything else; only what differs per shift is given.
int CommandLine::recipeStation(const Arguments& args)
{
    const QCommandLineParser& parser = args.parser;
    const QStringList allowed { QStringLiteral("recipe"), QStringLiteral("once"), QStringLiteral("no-test"),
        QStringLiteral("operator") };
    for (const QString& name : parser.optionNames()) {
        if (!allowed.contains(name))
            return usage(tr("station --recipe takes only --once, --no-test and --operator"));
    }
    RecipeStation station;
    connect(this, &CommandLine::interruptRequested, &station, &RecipeStation::interrupt);
    if (m_Interrupted)
        station.interrupt();
    return station.run(parser.value(args.recipe),
        { parser.value(args.operatorName), parser.isSet(args.noTest), parser.isSet(args.once) });
}

int CommandLine::runStation(
    const Arguments& args, const QString& model, int baudRate, const QString& firmware)
{
    Station watcher;
    connect(this, &CommandLine::interruptRequested, &watcher, &Station::interrupt);
    if (m_Interrupted)
        watcher.interrupt();
    return watcher.run(model, baudRate, firmware, args.parser.value(args.log),
        { args.parser.values(args.watch), args.parser.isSet(args.once), args.parser.isSet(args.skip),
            m_WriteVectorArea });
}

int CommandLine::flashMany(const QString& model, const QStringList& ports, int baudRate,
    const QString& firmware, const QString& logPath)
{
    ManyPorts many;
    many.setWriteVectorArea(m_WriteVectorArea);
    connect(this, &CommandLine::interruptRequested, &many, &ManyPorts::cancel);
    if (m_Interrupted)
        many.cancel();
    return many.run(model, ports, baudRate, firmware, logPath);
}

int CommandLine::flash(const QString& model, const QString& port, int baudRate, const QString& firmware)
{
    m_pSerialPort->setPortName(PortIdentity::portName(port));
    m_pSerialPort->setBaudRate(baudRate);
    m_pSerialPort->setDataBits(QSerialPort::Data8);
    m_pSerialPort->setParity(QSerialPort::NoParity);
    m_pSerialPort->setStopBits(QSerialPort::OneStop);
    m_pMspFlasher.reset(MspFlasher::crate(model, m_pSerialPort.get()));
    m_pMspFlasher->watchCancelFlag(StopSignals::flag());
    m_pFlashRun = std::make_unique<FlashRun>(m_pMspFlasher.get(), m_pSerialPort.get());
    allowVectorArea(m_pFlashRun.get());

    ProgressBar bar(stderr);
    // A unit of a run over several ports tells its parent in tagged lines.
    UnitReporter unit(stdout);
    if (m_UnitReport) {
        UnitReporter::becomeUnit();
        unit.watch(m_pFlashRun.get(), m_pMspFlasher.get(), m_pSerialPort.get());
    } else {
        if (::isatty(STDERR_FILENO))
            connect(m_pMspFlasher.get(), &MspFlasher::progress, &bar, &ProgressBar::setValue);
        connect(m_pFlashRun.get(), &FlashRun::report, &bar, [&bar](const QString& line) {
            bar.finish();
            printLine(stdout, line);
        });
    }
    // The run clears the cancel flag when it starts; an early Ctrl+C still counts.
    connect(m_pFlashRun.get(), &FlashRun::started, this, [this] {
        if (m_Interrupted)
            m_pMspFlasher->cancel();
    });

    const FlashRun::Outcome outcome = m_pFlashRun->run(firmware);
    bar.finish();
    hintVectorOption(*m_pFlashRun);
    if (m_UnitReport)
        unit.finish(outcome);
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
