#include "KamdelCli.h"

#include "CliCommand.h"
#include "CliContext.h"
#include "CsvCommand.h"
#include "GenerateCommand.h"
#include "GifCommand.h"
#include "ImageCommand.h"
#include "ImportCommand.h"
#include "LanesCommand.h"
#include "PortCommand.h"

#include <QCommandLineParser>

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
                             "  lanes FILE -o OUT.png [--side top|bottom] [--scale N]\n"
                             "                               the Program's frames ring by ring, a row each\n"
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

} // namespace

KamdelCli::KamdelCli(std::FILE* out, std::FILE* err)
    : m_context(std::make_unique<CliContext>(out, err))
{
    // In the order --help lists their options.
    m_shared.push_back(std::make_unique<ImageCommand>(*m_context));
    m_shared.push_back(std::make_unique<PortCommand>(*m_context));
    m_shared.push_back(std::make_unique<GifCommand>(*m_context));
    m_shared.push_back(std::make_unique<CsvCommand>(*m_context));
    m_shared.push_back(std::make_unique<LanesCommand>(*m_context));
    m_alone.push_back(std::make_unique<GenerateCommand>(*m_context));
    m_alone.push_back(std::make_unique<ImportCommand>(*m_context));
}

KamdelCli::~KamdelCli() = default;

int KamdelCli::run(const QStringList& arguments)
{
    // Effects take options of their own: their command lines are parsed with those alone.
    CliCommand* alone = find(m_alone, arguments.value(1));
    QCommandLineParser parser;
    if (alone) {
        parser.addOptions(alone->options());
        alone->describe(&parser);
    } else {
        describe(&parser);
    }
    if (!parser.parse(arguments))
        return m_context->usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), m_context->out());
        return CliContext::Success;
    }
    return alone ? alone->run(parser) : runShared(parser);
}

void KamdelCli::describe(QCommandLineParser* parser) const
{
    parser->setApplicationDescription(
        QStringLiteral("Compiles, plays, writes and exports Kamdel LED panel documents.\n")
        + QLatin1String(Commands));
    parser->addOption({ { QStringLiteral("h"), QStringLiteral("help") }, tr("Show this help.") });
    parser->addOption({ { QStringLiteral("v"), QStringLiteral("version") }, tr("Show the version.") });
    QStringList names;
    for (const std::unique_ptr<CliCommand>& command : m_shared) {
        for (const QCommandLineOption& option : command->options()) {
            // -o serves compile and csv import alike.
            if (names.contains(option.names().first()))
                continue;
            names << option.names();
            parser->addOption(option);
        }
    }
    parser->addPositionalArgument(
        QStringLiteral("command"), tr("info, compile, play, write, reset, next, gif, lanes or csv."));
    parser->addPositionalArgument(
        QStringLiteral("arguments"), tr("The command's files."), QStringLiteral("[arguments...]"));
}

int KamdelCli::runShared(const QCommandLineParser& parser)
{
    if (parser.isSet(QStringLiteral("version"))) {
        m_context->print(QStringLiteral("kamdel %1").arg(QCoreApplication::applicationVersion()));
        return CliContext::Success;
    }
    const QString name = parser.positionalArguments().value(0);
    if (name.isEmpty())
        return m_context->usage(tr("no command given"));
    CliCommand* command = find(m_shared, name);
    return command ? command->run(parser) : m_context->wrongUse(name);
}

CliCommand* KamdelCli::find(const CommandList& commands, const QString& name)
{
    for (const std::unique_ptr<CliCommand>& command : commands) {
        if (command->names().contains(name))
            return command.get();
    }
    return nullptr;
}
