#include "KamdelCli.h"

#include "Fleet/PortFleet.h"
#include "Fleet/UnitReporter.h"
#include "GenerateCommand.h"
#include "Helper/LowLatencyGuard.h"
#include "Helper/StopSignals.h"
#include "ImportCommand.h"
#include "formats/AnimationExport.h"
#include "formats/OutputFile.h"
#include "formats/SequenceFile.h"
#include "model/DeviceItem.h"
#include "model/PanelDocument.h"
#include "model/ProgramItem.h"
#include "player/PanelCommand.h"
#include "player/PanelProgram.h"
#include "player/PanelWriter.h"
#include "player/RingFrameImage.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QSerialPort>

#include <unistd.h>

namespace {

const char* const Commands = "Commands:\n"
                             "  info FILE [--json]           panel model, frames, image size and capacity\n"
                             "  compile FILE [-o OUT] [--ignore-capacity]\n"
                             "                               the image as Compile and Write sends it\n"
                             "  play FILE [--steps N]        the frames the panel shows, one line per Next\n"
                             "  write FILE --port PORT       write the image to the panel\n"
                             "  write FILE --port A --port B ... [--log FILE]\n"
                             "                               write it to several panels at once\n"
                             "  reset --port PORT            send Reset\n"
                             "  next --port PORT             send Next\n"
                             "  gif FILE OUT.gif [--frames N] [--delay MS] [--size PX] [--side top|bottom]\n"
                             "  csv export FILE OUT.csv      the program's frames as a sequence file\n"
                             "  csv import FILE IN.csv -o OUT.xml\n"
                             "  generate FILE KIND -o OUT.xml [options]\n"
                             "                               add an effect's frames (generate --help)\n"
                             "  import FILE PICTURE... -o OUT.xml [--threshold PERCENT] [--invert]\n"
                             "         [--side top|bottom] [--first N] [--frames N] [--after N]\n"
                             "'-' as an output is standard output, as IN.csv standard input.\n"
                             "Exit status: 0 success, 1 the line, the panel or an output failed, 2 a bad or\n"
                             "too large input file, 3 the port cannot be opened, 4 canceled, 64 wrong usage\n"
                             "(an output that is an input file, among others). With several ports:\n"
                             "0 every panel written, 1 any failed, else 3 any port could not be opened.";

void countItems(const AbstractTreeItem* item, int* frames, int* collections)
{
    for (const AbstractTreeItem* child : item->children()) {
        if (child->type() == AbstractTreeItem::LedStates)
            ++*frames;
        else if (child->type() == AbstractTreeItem::Function)
            ++*collections;
        countItems(child, frames, collections);
    }
}

// Parses a whole number within limits; false when it is none.
bool numberIn(const QString& text, int low, int high, int* value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= low && *value <= high;
}

} // namespace

KamdelCli::KamdelCli(std::FILE* out, std::FILE* err)
    : m_out(out)
    , m_err(err)
{
}

KamdelCli::~KamdelCli() = default;

void KamdelCli::print(const QString& text)
{
    if (m_unitReport)
        std::fputs("report ", m_out);
    std::fputs(text.toLocal8Bit().constData(), m_out);
    std::fputc('\n', m_out);
}

void KamdelCli::printError(const QString& text)
{
    std::fprintf(m_err, "kamdel: %s\n", text.toLocal8Bit().constData());
}

int KamdelCli::usage(const QString& message)
{
    printError(message);
    std::fputs("Try 'kamdel --help'.\n", m_err);
    return Usage;
}

int KamdelCli::run(const QStringList& arguments)
{
    // Effects take options of their own.
    if (arguments.value(1) == QLatin1String("import"))
        return ImportCommand(*this).run(arguments);
    if (arguments.value(1) == QLatin1String("generate"))
        return GenerateCommand(m_out, m_err, [this](const QString& file) {
            return load(file);
        }).run(arguments);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Compiles, plays, writes and exports Kamdel LED panel documents.\n")
        + QLatin1String(Commands));
    const QCommandLineOption helpOption(
        { QStringLiteral("h"), QStringLiteral("help") }, tr("Show this help."));
    const QCommandLineOption versionOption(
        { QStringLiteral("v"), QStringLiteral("version") }, tr("Show the version."));
    const QCommandLineOption jsonOption(QStringLiteral("json"), tr("info: one JSON object."));
    const QCommandLineOption outputOption({ QStringLiteral("o"), QStringLiteral("output") },
        tr("compile, csv import: the file to write."), QStringLiteral("file"));
    const QCommandLineOption capacityOption(QStringLiteral("ignore-capacity"),
        tr("compile: write an image larger than the panel's program memory."));
    const QCommandLineOption stepsOption(QStringLiteral("steps"),
        tr("play: how many Next steps (default 100)."), QStringLiteral("n"), QStringLiteral("100"));
    const QCommandLineOption portOption(QStringLiteral("port"),
        tr("write, reset, next: the serial port; write: repeat it for several panels at once."),
        QStringLiteral("port"));
    const QCommandLineOption portsOption(
        QStringLiteral("ports"), tr("write: several ports, separated by commas."), QStringLiteral("A,B,..."));
    const QCommandLineOption logOption(QStringLiteral("log"),
        tr("write: append a CSV line per panel to the file (header when new)."), QStringLiteral("file"));
    QCommandLineOption unitOption { QString::fromLatin1(UnitReporter::Option) };
    unitOption.setFlags(QCommandLineOption::HiddenFromHelp);
    const QCommandLineOption framesOption(QStringLiteral("frames"),
        tr("gif: frames to draw (default: until the program holds or repeats, at most 1000)."),
        QStringLiteral("n"), QStringLiteral("0"));
    const QCommandLineOption delayOption(QStringLiteral("delay"),
        tr("gif: milliseconds per frame, 20 or more (default 100)."), QStringLiteral("ms"),
        QStringLiteral("100"));
    const QCommandLineOption sizeOption(QStringLiteral("size"),
        tr("gif: width and height in pixels (default 256)."), QStringLiteral("px"), QStringLiteral("256"));
    const QCommandLineOption sideOption(QStringLiteral("side"),
        tr("gif: the side the board is seen from (default bottom, as the editor shows it)."),
        QStringLiteral("top|bottom"), QStringLiteral("bottom"));
    parser.addOptions({ helpOption, versionOption, jsonOption, outputOption, capacityOption, stepsOption,
        portOption, portsOption, logOption, unitOption, framesOption, delayOption, sizeOption, sideOption });
    parser.addPositionalArgument(
        QStringLiteral("command"), tr("info, compile, play, write, reset, next, gif or csv."));
    parser.addPositionalArgument(
        QStringLiteral("arguments"), tr("The command's files."), QStringLiteral("[arguments...]"));

    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(helpOption)) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), m_out);
        return Success;
    }
    if (parser.isSet(versionOption)) {
        print(QStringLiteral("kamdel %1").arg(QCoreApplication::applicationVersion()));
        return Success;
    }

    const QStringList args = parser.positionalArguments();
    const QString command = args.value(0);
    const int files = args.size() - 1;
    if (command.isEmpty())
        return usage(tr("no command given"));
    if (command == QLatin1String("info") && files == 1)
        return info(args.at(1), parser.isSet(jsonOption));
    if (command == QLatin1String("compile") && files == 1)
        return compile(args.at(1), parser.value(outputOption), parser.isSet(capacityOption));
    if (command == QLatin1String("play") && files == 1) {
        int steps = 0;
        if (!numberIn(parser.value(stepsOption), 0, 10000000, &steps))
            return usage(tr("--steps takes a number of steps"));
        return play(args.at(1), steps);
    }
    if ((command == QLatin1String("write") && files == 1) || (command == QLatin1String("reset") && files == 0)
        || (command == QLatin1String("next") && files == 0)) {
        QStringList ports;
        QString problem;
        if (!PortFleet::collectPorts(parser.values(portOption), parser.values(portsOption), &ports, &problem))
            return usage(problem);
        if (ports.isEmpty())
            return usage(tr("%1 needs --port").arg(command));
        if (command == QLatin1String("write") && (ports.size() > 1 || parser.isSet(logOption)))
            return writeMany(args.at(1), ports, parser.value(logOption));
        if (ports.size() > 1 || parser.isSet(logOption))
            return usage(tr("%1 takes one port and no log").arg(command));
        m_unitReport = command == QLatin1String("write") && parser.isSet(unitOption);
        if (command == QLatin1String("write"))
            return write(args.at(1), ports.first());
        return sendWord(ports.first(), command == QLatin1String("next"));
    }
    if (command == QLatin1String("gif") && files == 2)
        return gif(args.at(1), args.at(2), parser);
    if (command == QLatin1String("csv"))
        return csv(args.mid(1), parser.value(outputOption));
    return usage(tr("wrong use of '%1'").arg(command));
}

std::unique_ptr<PanelDocument> KamdelCli::load(const QString& file)
{
    const QFileInfo info(file);
    if (!info.isFile() || !info.isReadable()) {
        printError(tr("cannot read %1").arg(file));
        return nullptr;
    }
    const PanelDocument::Panel panel = PanelDocument::panelOf(file);
    if (panel == PanelDocument::Panel::None) {
        printError(tr("%1 is not a Kamdel document").arg(file));
        return nullptr;
    }
    auto document = std::make_unique<PanelDocument>(panel);
    if (!document->load(file)) {
        printError(document->errorString());
        return nullptr;
    }
    return document;
}

bool KamdelCli::save(PanelDocument* document, const QString& output)
{
    if (document->save(output))
        return true;
    printError(document->errorString());
    return false;
}

QByteArray KamdelCli::compiled(PanelDocument* document)
{
    document->compile();
    return document->createBinnary();
}

int KamdelCli::info(const QString& file, bool json)
{
    const std::unique_ptr<PanelDocument> document = load(file);
    if (!document)
        return BadInput;
    int frames = 0;
    int collections = 0;
    countItems(document->deviceItem(), &frames, &collections);
    const int bytes = compiled(document.get()).size();
    if (json) {
        print(QStringLiteral("{\"model\": \"%1\", \"frames\": %2, \"collections\": %3, \"imageBytes\": %4, "
                             "\"capacity\": %5}")
                  .arg(document->panelModel())
                  .arg(frames)
                  .arg(collections)
                  .arg(bytes)
                  .arg(PanelCommand::ProgramMemory));
    } else {
        print(tr("Model: %1").arg(document->panelModel()));
        print(tr("Frames: %1").arg(frames));
        print(tr("Collections: %1").arg(collections));
        print(tr("Image: %1 of %2 bytes").arg(bytes).arg(PanelCommand::ProgramMemory));
    }
    return Success;
}

int KamdelCli::compile(const QString& file, const QString& output, bool ignoreCapacity)
{
    if (OutputFile::sameFile(file, output))
        return sameFile(output);
    const std::unique_ptr<PanelDocument> document = load(file);
    if (!document)
        return BadInput;
    const QByteArray image = compiled(document.get());
    if (image.size() > PanelCommand::ProgramMemory && !ignoreCapacity) {
        printError(tooLarge(image.size()) + tr(" (--ignore-capacity writes it all the same)"));
        return BadInput;
    }
    if (output.isEmpty()) {
        for (int offset = 0; offset < image.size(); offset += PanelCommand::BlockSize)
            print(QString::fromLatin1(image.mid(offset, PanelCommand::BlockSize).toHex()));
        return Success;
    }
    std::fflush(m_out);
    OutputFile out(output, file);
    if (!out.open(QIODevice::WriteOnly) || out.write(image) != image.size() || !out.commit()) {
        printError(out.failure());
        return out.isInput() ? Usage : LineFailed;
    }
    return Success;
}

int KamdelCli::sameFile(const QString& output)
{
    printError(OutputFile::inputRefusal(output) + tr(" Nothing was written."));
    return Usage;
}

QString KamdelCli::tooLarge(int bytes)
{
    return tr("the program takes %1 bytes, more than the %2 bytes of the panel's program memory; "
              "nothing was written")
        .arg(bytes)
        .arg(PanelCommand::ProgramMemory);
}

int KamdelCli::play(const QString& file, int steps)
{
    const std::unique_ptr<PanelDocument> document = load(file);
    if (!document)
        return BadInput;
    PanelProgram program(AnimationExport::variantOf(document.get()));
    program.load(compiled(document.get()));
    for (int i = 0; i < steps; ++i) {
        const PanelProgram::Step step = program.next();
        if (step.kind == PanelProgram::Step::Hold) {
            print(QStringLiteral("hold %1").arg(step.holdReason));
            break;
        }
        print(QStringLiteral("frame %1 %2")
                  .arg(step.frameNumber)
                  .arg(PanelProgram::ledsToBits(program.leds())));
    }
    return Success;
}

int KamdelCli::write(const QString& file, const QString& portName)
{
    // Ctrl+C, kill and a closed terminal all cancel a write cleanly: the
    // current block is finished and the user is told what the panel holds.
    const StopSignals stop;
    const std::unique_ptr<PanelDocument> document = load(file);
    if (!document)
        return BadInput;
    const QByteArray image = compiled(document.get());
    // Block numbers are one byte: a larger image would overwrite the start
    // of the program on the panel.
    if (image.size() > PanelCommand::ProgramMemory) {
        printError(tooLarge(image.size()));
        return BadInput;
    }
    QSerialPort port(portName);
    port.setBaudRate(QSerialPort::Baud57600);
    if (!port.open(QIODevice::ReadWrite)) {
        printError(tr("cannot connect to serial port %1 (%2)").arg(portName, port.errorString()));
        return PortUnavailable;
    }
    const LowLatencyGuard lowLatency(&port);
    print(tr("Memory use %1% (%2 of %3).")
              .arg(image.size() / 80)
              .arg(image.size())
              .arg(PanelCommand::ProgramMemory));
    PanelWriter writer(&port);
    int blocksSent = 0;
    int blocksTotal = PanelCommand::blockCount(image.size());
    QObject::connect(
        &writer, &PanelWriter::progress, &writer, [&blocksSent, &blocksTotal](int sent, int total) {
            blocksSent = sent;
            blocksTotal = total;
        });
    QObject::connect(&stop, &StopSignals::stopRequested, &writer, &PanelWriter::cancel);
    if (m_unitReport) {
        UnitReporter::becomeUnit();
        QObject::connect(&writer, &PanelWriter::progress, &writer, [this, &image](int sent, int total) {
            std::fprintf(m_out, "progress %d\nbytes %d\n", total ? sent * 100 / total : 100,
                std::min(sent * PanelCommand::BlockSize, int(image.size())));
            std::fflush(m_out);
        });
    } else if (::isatty(fileno(m_err))) {
        QObject::connect(&writer, &PanelWriter::progress, &writer, [this](int sent, int total) {
            std::fprintf(m_err, "\rblock %d of %d", sent, total);
            if (sent == total)
                std::fputc('\n', m_err);
            std::fflush(m_err);
        });
    }
    PanelWriter::Result result = PanelWriter::Result::Canceled;
    if (!StopSignals::requested())
        result = writer.writeProgram(image);
    port.close();
    if (result == PanelWriter::Result::Canceled) {
        if (::isatty(fileno(m_err)) && blocksSent > 0 && blocksSent < blocksTotal)
            std::fputc('\n', m_err);
        printError(blocksSent == 0
                ? tr("writing canceled before the first block; the program on the panel is unchanged")
                : tr("writing canceled after block %1 of %2; the program on the panel is incomplete")
                      .arg(blocksSent)
                      .arg(blocksTotal));
        return Canceled;
    }
    if (result != PanelWriter::Result::Finished) {
        printError(tr("writing to serial port %1 failed (%2); the program on the panel is incomplete")
                       .arg(portName, port.errorString()));
        return LineFailed;
    }
    return Success;
}

int KamdelCli::sendWord(const QString& portName, bool next)
{
    QSerialPort port(portName);
    port.setBaudRate(QSerialPort::Baud57600);
    if (!port.open(QIODevice::ReadWrite)) {
        printError(tr("cannot connect to serial port %1 (%2)").arg(portName, port.errorString()));
        return PortUnavailable;
    }
    PanelWriter writer(&port);
    const bool sent = writer.sendWord(next ? PanelCommand::Next : PanelCommand::Reset);
    port.close();
    if (!sent) {
        printError(tr("writing to serial port %1 failed").arg(portName));
        return LineFailed;
    }
    return Success;
}

int KamdelCli::gif(const QString& file, const QString& output, const QCommandLineParser& parser)
{
    AnimationExport::Options options;
    const QString side = parser.value(QStringLiteral("side"));
    if (!numberIn(parser.value(QStringLiteral("frames")), 0, AnimationExport::MaximumFrames, &options.frames))
        return usage(tr("--frames takes 0 to %1").arg(AnimationExport::MaximumFrames));
    if (!numberIn(
            parser.value(QStringLiteral("delay")), AnimationExport::MinimumDelayMs, 655350, &options.delayMs))
        return usage(tr("--delay takes %1 ms or more").arg(AnimationExport::MinimumDelayMs));
    if (!numberIn(parser.value(QStringLiteral("size")), RingFrameImage::MinimumSize,
            RingFrameImage::MaximumSize, &options.size))
        return usage(tr("--size takes %1 to %2 pixels")
                         .arg(RingFrameImage::MinimumSize)
                         .arg(RingFrameImage::MaximumSize));
    if (side != QLatin1String("top") && side != QLatin1String("bottom"))
        return usage(tr("--side takes top or bottom"));
    options.side = side == QLatin1String("top") ? Top : Bottom;
    options.source = file;
    if (OutputFile::sameFile(file, output))
        return sameFile(output);

    const std::unique_ptr<PanelDocument> document = load(file);
    if (!document)
        return BadInput;
    const QByteArray image = compiled(document.get());
    const PanelProgram::Variant variant = AnimationExport::variantOf(document.get());
    if (AnimationExport::frames(image, variant, 1).isEmpty()) {
        printError(tr("%1: the program shows no frame").arg(file));
        return BadInput;
    }
    QString error;
    int written = 0;
    if (!AnimationExport::writeGif(image, variant, options, output, &error, &written)) {
        printError(error);
        return LineFailed;
    }
    // Standard output carries the picture then.
    if (output != QLatin1String("-"))
        print(tr("%1 frames written to %2").arg(written).arg(output));
    return Success;
}

int KamdelCli::csv(const QStringList& arguments, const QString& output)
{
    const QString what = arguments.value(0);
    if (what == QLatin1String("export") && arguments.size() == 3) {
        const QString& file = arguments.at(1);
        const QString& target = arguments.at(2);
        if (OutputFile::sameFile(file, target))
            return sameFile(target);
        const std::unique_ptr<PanelDocument> document = load(file);
        if (!document)
            return BadInput;
        const DeviceItem* device = document->deviceItem();
        QString error;
        if (!SequenceFile::exportFrames(
                SequenceFile::frames(device->program(0)), device->ledCount(), target, &error, file)) {
            printError(error);
            return LineFailed;
        }
        return Success;
    }
    if (what == QLatin1String("import") && arguments.size() == 3) {
        if (output.isEmpty())
            return usage(tr("csv import needs -o OUT.xml"));
        const QString& file = arguments.at(1);
        const QString& sequence = arguments.at(2);
        // Writing the result over the sequence would lose it; writing it over
        // the document is refused alike, as for every other output.
        if (OutputFile::sameFile(file, output) || OutputFile::sameFile(sequence, output))
            return sameFile(output);
        const std::unique_ptr<PanelDocument> document = load(file);
        if (!document)
            return BadInput;
        DeviceItem* device = document->deviceItem();
        QString error;
        if (importSequence(device->program(0), device->ledCount(), sequence, document->edits(), &error) < 0) {
            printError(error);
            return BadInput;
        }
        return save(document.get(), output) ? Success : LineFailed;
    }
    return usage(tr("csv takes 'export FILE OUT.csv' or 'import FILE IN.csv -o OUT.xml'"));
}

int KamdelCli::importSequence(
    AbstractTreeItem* program, int ledCount, const QString& sequence, DocumentEdits* edits, QString* error)
{
    // A script may pipe the table in: standard input, or a named pipe or
    // device, is read up to the size bound instead of being refused.
    if (sequence == QLatin1String("-") || (QFileInfo::exists(sequence) && !QFileInfo(sequence).isFile())) {
        QFile in;
        bool opened = false;
        if (sequence == QLatin1String("-")) {
            opened = in.open(STDIN_FILENO, QIODevice::ReadOnly, QFileDevice::DontCloseHandle);
        } else {
            in.setFileName(sequence);
            opened = in.open(QIODevice::ReadOnly);
        }
        if (!opened) {
            *error = tr("cannot read %1: %2").arg(sequence, in.errorString());
            return -1;
        }
        return SequenceFile::importFrames(program, ledCount, &in, sequence, edits, error);
    }
    return SequenceFile::importFrames(program, ledCount, sequence, edits, error);
}
