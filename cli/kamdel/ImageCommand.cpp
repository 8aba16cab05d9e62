#include "ImageCommand.h"

#include "CliContext.h"
#include "formats/AnimationExport.h"
#include "formats/OutputFile.h"
#include "model/DeviceItem.h"
#include "model/PanelDocument.h"
#include "player/PanelCommand.h"
#include "player/PanelProgram.h"

#include <QCommandLineParser>

namespace {

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

} // namespace

ImageCommand::ImageCommand(CliContext& context)
    : CliCommand(context)
{
}

QStringList ImageCommand::names() const
{
    return { QStringLiteral("info"), QStringLiteral("compile"), QStringLiteral("play") };
}

QList<QCommandLineOption> ImageCommand::options() const
{
    return {
        { QStringLiteral("json"), tr("info: one JSON object.") },
        outputOption(),
        { QStringLiteral("ignore-capacity"),
            tr("compile: write an image larger than the panel's program memory.") },
        { QStringLiteral("steps"), tr("play: how many Next steps (default 100)."), QStringLiteral("n"),
            QStringLiteral("100") },
    };
}

int ImageCommand::run(const QCommandLineParser& parser)
{
    const QStringList args = parser.positionalArguments();
    const QString& command = args.at(0);
    if (args.size() != 2)
        return m_context.wrongUse(command);
    if (command == QLatin1String("info"))
        return info(args.at(1), parser.isSet(QStringLiteral("json")));
    if (command == QLatin1String("compile"))
        return compile(args.at(1), parser.value(QStringLiteral("output")),
            parser.isSet(QStringLiteral("ignore-capacity")));
    int steps = 0;
    const int mostSteps = 10000000;
    if (!numberIn(parser.value(QStringLiteral("steps")), 0, mostSteps, &steps))
        return m_context.usage(tr("--steps takes 0 to %1").arg(mostSteps));
    return play(args.at(1), steps);
}

int ImageCommand::info(const QString& file, bool json)
{
    const std::unique_ptr<PanelDocument> document = m_context.load(file);
    if (!document)
        return CliContext::BadInput;
    int frames = 0;
    int collections = 0;
    countItems(document->deviceItem(), &frames, &collections);
    const int bytes = CliContext::compiled(document.get()).size();
    if (json) {
        m_context.print(
            QStringLiteral("{\"model\": \"%1\", \"frames\": %2, \"collections\": %3, \"imageBytes\": %4, "
                           "\"capacity\": %5}")
                .arg(document->panelModel())
                .arg(frames)
                .arg(collections)
                .arg(bytes)
                .arg(PanelCommand::ProgramMemory));
    } else {
        m_context.print(tr("Model: %1").arg(document->panelModel()));
        m_context.print(tr("Frames: %1").arg(frames));
        m_context.print(tr("Collections: %1").arg(collections));
        m_context.print(tr("Image: %1 of %2 bytes").arg(bytes).arg(PanelCommand::ProgramMemory));
    }
    return CliContext::Success;
}

int ImageCommand::compile(const QString& file, const QString& output, bool ignoreCapacity)
{
    if (OutputFile::sameFile(file, output))
        return m_context.sameFile(output);
    const std::unique_ptr<PanelDocument> document = m_context.load(file);
    if (!document)
        return CliContext::BadInput;
    const QByteArray image = CliContext::compiled(document.get());
    if (image.size() > PanelCommand::ProgramMemory && !ignoreCapacity) {
        m_context.printError(
            CliContext::tooLarge(image.size()) + tr(" (--ignore-capacity writes it all the same)"));
        return CliContext::BadInput;
    }
    if (output.isEmpty()) {
        for (int offset = 0; offset < image.size(); offset += PanelCommand::BlockSize)
            m_context.print(QString::fromLatin1(image.mid(offset, PanelCommand::BlockSize).toHex()));
        return CliContext::Success;
    }
    std::fflush(m_context.out());
    OutputFile out(output, file);
    if (!out.open(QIODevice::WriteOnly) || out.write(image) != image.size() || !out.commit()) {
        m_context.printError(out.failure());
        return out.isInput() ? CliContext::Usage : CliContext::LineFailed;
    }
    return CliContext::Success;
}

int ImageCommand::play(const QString& file, int steps)
{
    const std::unique_ptr<PanelDocument> document = m_context.load(file);
    if (!document)
        return CliContext::BadInput;
    PanelProgram program(AnimationExport::variantOf(document.get()));
    program.load(CliContext::compiled(document.get()));
    for (int i = 0; i < steps; ++i) {
        const PanelProgram::Step step = program.next();
        if (step.kind == PanelProgram::Step::Hold) {
            m_context.print(QStringLiteral("hold %1").arg(step.holdReason));
            break;
        }
        m_context.print(QStringLiteral("frame %1 %2")
                            .arg(step.frameNumber)
                            .arg(PanelProgram::ledsToBits(program.leds())));
    }
    return CliContext::Success;
}
