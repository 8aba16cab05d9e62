#include "ImportCommand.h"

#include "CliContext.h"
#include "edits/DocumentEdits.h"
#include "formats/OutputFile.h"
#include "formats/SequenceFile.h"
#include "model/Counts.h"
#include "model/DeviceItem.h"
#include "model/LedStatesCommand.h"
#include "model/PanelDocument.h"
#include "model/ProgramItem.h"

#include <QCommandLineParser>

ImportCommand::ImportCommand(CliContext& context)
    : CliCommand(context)
{
}

QStringList ImportCommand::names() const
{
    return { QStringLiteral("import") };
}

QList<QCommandLineOption> ImportCommand::options() const
{
    return {
        { { QStringLiteral("h"), QStringLiteral("help") }, tr("Show this help.") },
        { { QStringLiteral("o"), QStringLiteral("output") }, tr("The document to write."),
            QStringLiteral("file") },
        { QStringLiteral("threshold"),
            tr("An LED is on when its disc is at least this bright (0 to 100, default %1).")
                .arg(AnimationImport::DefaultThreshold),
            QStringLiteral("percent"), QString::number(AnimationImport::DefaultThreshold) },
        { QStringLiteral("invert"), tr("Light the dark parts instead.") },
        { QStringLiteral("side"),
            tr("The side the board is seen from in the pictures (default bottom, as the editor shows it)."),
            QStringLiteral("top|bottom"), QStringLiteral("bottom") },
        { QStringLiteral("first"), tr("The first frame taken, from 1 (default 1)."), QStringLiteral("n"),
            QStringLiteral("1") },
        { QStringLiteral("frames"), tr("How many frames are taken (default: up to the last)."),
            QStringLiteral("n") },
        { QStringLiteral("after"),
            tr("The new frames go after this frame of the Program, numbered from 1 as in the tree; 0 puts "
               "them "
               "first (default: after the last frame)."),
            QStringLiteral("n") },
    };
}

void ImportCommand::describe(QCommandLineParser* parser) const
{
    parser->setApplicationDescription(
        tr("Imports the frames of an animated GIF, a picture (PNG, JPEG, BMP) or a "
           "numbered series of pictures into the document's Program."));
    parser->addPositionalArgument(QStringLiteral("import"), tr("The command."));
    parser->addPositionalArgument(QStringLiteral("file"), tr("The document."));
    parser->addPositionalArgument(QStringLiteral("pictures"),
        tr("The GIF, the picture or the series of pictures."), QStringLiteral("pictures..."));
}

int ImportCommand::run(const QCommandLineParser& parser)
{
    const QStringList args = parser.positionalArguments();
    if (args.size() < 3)
        return m_context.usage(tr("import takes a document and at least one picture"));
    const QString output = parser.value(QStringLiteral("output"));
    if (output.isEmpty())
        return m_context.usage(tr("import needs -o OUT.xml"));
    AnimationImport::Options options;
    std::optional<int> after;
    const QString wrong = readOptions(parser, &options, &after);
    if (!wrong.isEmpty())
        return m_context.usage(wrong);

    // The result never replaces one of its inputs.
    for (const QString& input : args.mid(1)) {
        if (OutputFile::sameFile(input, output))
            return m_context.sameFile(output);
    }

    const std::unique_ptr<PanelDocument> document = m_context.load(args.at(1));
    if (!document)
        return CliContext::BadInput;
    ProgramItem* program = document->deviceItem()->program(0);
    if (!program) {
        m_context.printError(tr("%1 has no Program").arg(args.at(1)));
        return CliContext::BadInput;
    }
    const QList<LedStatesCommand*> present = SequenceFile::frames(program);
    if (after && (*after < 0 || *after > present.size()))
        return m_context.usage(tr("--after takes 0 to %1, the Program's frames").arg(present.size()));
    int row = 0;
    if (!after)
        row = present.isEmpty() ? program->childCount() : present.last()->row() + 1;
    else if (*after > 0)
        row = present.at(*after - 1)->row() + 1;
    return importInto(document.get(), program, row, args, options, output);
}

QString ImportCommand::readOptions(
    const QCommandLineParser& parser, AnimationImport::Options* options, std::optional<int>* after)
{
    if (!numberIn(parser.value(QStringLiteral("threshold")), 0, 100, &options->threshold))
        return tr("--threshold takes 0 to 100 (percent)");
    options->invert = parser.isSet(QStringLiteral("invert"));
    if (!sideIn(parser.value(QStringLiteral("side")), &options->side))
        return tr("--side takes top or bottom");
    int first = 1;
    if (!numberIn(parser.value(QStringLiteral("first")), 1, AnimationImport::MaximumFrames, &first))
        return tr("--first takes 1 to %1").arg(AnimationImport::MaximumFrames);
    options->first = first - 1;
    if (parser.isSet(QStringLiteral("frames"))
        && !numberIn(
            parser.value(QStringLiteral("frames")), 1, AnimationImport::MaximumFrames, &options->count))
        return tr("--frames takes 1 to %1").arg(AnimationImport::MaximumFrames);
    int given = 0;
    if (parser.isSet(QStringLiteral("after"))) {
        // Its range is the Program's, known once the document is read.
        if (!wholeNumber(parser.value(QStringLiteral("after")), &given))
            return tr("--after takes a whole number");
        *after = given;
    }
    return QString();
}

int ImportCommand::importInto(PanelDocument* document, ProgramItem* program, int row, const QStringList& args,
    const AnimationImport::Options& options, const QString& output)
{
    AnimationImport pictures;
    for (const QString& picture : args.mid(2)) {
        if (!m_context.leadsSomewhere(picture))
            return CliContext::BadInput;
    }
    if (!pictures.read(args.mid(2))) {
        m_context.printError(pictures.errorString());
        return CliContext::BadInput;
    }
    if (!pictures.selects(options)) {
        const int first = options.first + 1;
        const QString asked = options.count > 0 ? tr("--first %1 --frames %2").arg(first).arg(options.count)
                                                : tr("--first %1").arg(first);
        return m_context.usage(
            tr("%1: the pictures hold %2").arg(asked, Counts::frames(pictures.frameCount())));
    }
    const QList<QVector<int>> frames = pictures.frames(options);
    if (!m_context.framesFit(document, frames.size()))
        return CliContext::BadInput;
    const QList<LedStatesCommand*> placed
        = document->edits()->insertFrames(program, row, frames, tr("Import Animation"));
    if (!m_context.save(document, output))
        return CliContext::LineFailed;
    m_context.print(tr("%1 imported into %2").arg(Counts::frames(placed.size()), output));
    return CliContext::Success;
}
