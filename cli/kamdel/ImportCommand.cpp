#include "ImportCommand.h"

#include "KamdelCli.h"
#include "edits/DocumentEdits.h"
#include "formats/AnimationImport.h"
#include "formats/OutputFile.h"
#include "formats/SequenceFile.h"
#include "model/DeviceItem.h"
#include "model/LedStatesCommand.h"
#include "model/PanelDocument.h"
#include "model/ProgramItem.h"

#include <QCommandLineParser>

namespace {

bool numberIn(const QString& text, int low, int high, int* value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= low && *value <= high;
}

} // namespace

ImportCommand::ImportCommand(KamdelCli& cli)
    : m_cli(cli)
{
}

int ImportCommand::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        tr("Imports the frames of an animated GIF, a picture (PNG, JPEG, BMP) or a "
           "numbered series of pictures into the document's Program."));
    const QCommandLineOption helpOption(
        { QStringLiteral("h"), QStringLiteral("help") }, tr("Show this help."));
    const QCommandLineOption outputOption({ QStringLiteral("o"), QStringLiteral("output") },
        tr("The document to write."), QStringLiteral("file"));
    const QCommandLineOption thresholdOption(QStringLiteral("threshold"),
        tr("An LED is on when its disc is at least this bright (0 to 100, default %1).")
            .arg(AnimationImport::DefaultThreshold),
        QStringLiteral("percent"), QString::number(AnimationImport::DefaultThreshold));
    const QCommandLineOption invertOption(QStringLiteral("invert"), tr("Light the dark parts instead."));
    const QCommandLineOption sideOption(QStringLiteral("side"),
        tr("The side the board is seen from in the pictures (default bottom, as the editor shows it)."),
        QStringLiteral("top|bottom"), QStringLiteral("bottom"));
    const QCommandLineOption firstOption(QStringLiteral("first"),
        tr("The first frame taken, from 1 (default 1)."), QStringLiteral("n"), QStringLiteral("1"));
    const QCommandLineOption framesOption(QStringLiteral("frames"),
        tr("How many frames are taken (default: up to the last)."), QStringLiteral("n"));
    const QCommandLineOption afterOption(QStringLiteral("after"),
        tr("The new frames go after this frame of the Program, numbered from 1 as in the tree; 0 puts them "
           "first (default: after the last frame)."),
        QStringLiteral("n"));
    parser.addOptions({ helpOption, outputOption, thresholdOption, invertOption, sideOption, firstOption,
        framesOption, afterOption });
    parser.addPositionalArgument(QStringLiteral("import"), tr("The command."));
    parser.addPositionalArgument(QStringLiteral("file"), tr("The document."));
    parser.addPositionalArgument(QStringLiteral("pictures"),
        tr("The GIF, the picture or the series of pictures."), QStringLiteral("pictures..."));

    if (!parser.parse(arguments))
        return m_cli.usage(parser.errorText());
    if (parser.isSet(helpOption)) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), m_cli.m_out);
        return KamdelCli::Success;
    }
    const QStringList args = parser.positionalArguments();
    if (args.size() < 3)
        return m_cli.usage(tr("import takes a document and at least one picture"));
    const QString output = parser.value(outputOption);
    if (output.isEmpty())
        return m_cli.usage(tr("import needs -o OUT.xml"));

    AnimationImport::Options options;
    if (!numberIn(parser.value(thresholdOption), 0, 100, &options.threshold))
        return m_cli.usage(tr("--threshold takes 0 to 100 (percent)"));
    options.invert = parser.isSet(invertOption);
    const QString side = parser.value(sideOption);
    if (side != QLatin1String("top") && side != QLatin1String("bottom"))
        return m_cli.usage(tr("--side takes top or bottom"));
    options.side = side == QLatin1String("top") ? Top : Bottom;
    int first = 1;
    if (!numberIn(parser.value(firstOption), 1, AnimationImport::MaximumFrames, &first))
        return m_cli.usage(tr("--first takes a frame number from 1"));
    options.first = first - 1;
    if (parser.isSet(framesOption)
        && !numberIn(parser.value(framesOption), 1, AnimationImport::MaximumFrames, &options.count))
        return m_cli.usage(tr("--frames takes 1 to %1").arg(AnimationImport::MaximumFrames));
    int after = -1;
    if (parser.isSet(afterOption)
        && !numberIn(parser.value(afterOption), 0, AnimationImport::MaximumFrames, &after))
        return m_cli.usage(tr("--after takes a frame number, or 0"));

    // The result never replaces one of its inputs.
    for (const QString& input : args.mid(1)) {
        if (OutputFile::sameFile(input, output))
            return m_cli.sameFile(output);
    }

    const std::unique_ptr<PanelDocument> document = m_cli.load(args.at(1));
    if (!document)
        return KamdelCli::BadInput;
    ProgramItem* program = document->deviceItem()->program(0);
    if (!program) {
        m_cli.printError(tr("%1 has no Program").arg(args.at(1)));
        return KamdelCli::BadInput;
    }
    const QList<LedStatesCommand*> present = SequenceFile::frames(program);
    if (after > present.size())
        return m_cli.usage(tr("--after %1: the Program has %2 frames").arg(after).arg(present.size()));
    int row = 0;
    if (after < 0)
        row = present.isEmpty() ? program->childCount() : present.last()->row() + 1;
    else if (after > 0)
        row = present.at(after - 1)->row() + 1;

    AnimationImport pictures;
    if (!pictures.read(args.mid(2))) {
        m_cli.printError(pictures.errorString());
        return KamdelCli::BadInput;
    }
    if (!pictures.selects(options)) {
        const QString asked = options.count > 0 ? tr("--first %1 --frames %2").arg(first).arg(options.count)
                                                : tr("--first %1").arg(first);
        return m_cli.usage(tr("%1: the pictures hold %2 frames").arg(asked).arg(pictures.frameCount()));
    }
    const QList<QVector<int>> frames = pictures.frames(options);
    const QList<LedStatesCommand*> placed
        = document->edits()->insertFrames(program, row, frames, tr("Import Animation"));
    if (placed.size() != frames.size()) {
        m_cli.printError(tr("%1 cannot hold %2 more frames").arg(args.at(1)).arg(frames.size()));
        return KamdelCli::BadInput;
    }
    if (!m_cli.save(document.get(), output))
        return KamdelCli::LineFailed;
    m_cli.print(tr("%1 frames imported into %2").arg(placed.size()).arg(output));
    return KamdelCli::Success;
}
