#include "GifCommand.h"

#include "CliContext.h"
#include "formats/OutputFile.h"
#include "model/Counts.h"
#include "model/PanelDocument.h"
#include "player/RingFrameImage.h"

#include <QCommandLineParser>

GifCommand::GifCommand(CliContext& context)
    : CliCommand(context)
{
}

QStringList GifCommand::names() const
{
    return { QStringLiteral("gif") };
}

QList<QCommandLineOption> GifCommand::options() const
{
    return {
        { QStringLiteral("frames"),
            tr("gif: frames to draw (default: until the program holds or repeats, at most 1000)."),
            QStringLiteral("n"), QStringLiteral("0") },
        { QStringLiteral("delay"), tr("gif: milliseconds per frame, 20 or more (default 100)."),
            QStringLiteral("ms"), QStringLiteral("100") },
        { QStringLiteral("size"), tr("gif: width and height in pixels (default 256)."), QStringLiteral("px"),
            QStringLiteral("256") },
        { QStringLiteral("side"),
            tr("gif, lanes: the side the board is seen from (default bottom, as the editor shows it)."),
            QStringLiteral("top|bottom"), QStringLiteral("bottom") },
    };
}

int GifCommand::run(const QCommandLineParser& parser)
{
    const QStringList args = parser.positionalArguments();
    if (args.size() != 3)
        return m_context.wrongUse(args.at(0));
    AnimationExport::Options options;
    if (!numberIn(parser.value(QStringLiteral("frames")), 0, AnimationExport::MaximumFrames, &options.frames))
        return m_context.usage(tr("--frames takes 0 to %1").arg(AnimationExport::MaximumFrames));
    // A GIF keeps a frame's delay in hundredths of a second, 16 bits.
    const int longestDelay = 655350;
    if (!numberIn(parser.value(QStringLiteral("delay")), AnimationExport::MinimumDelayMs, longestDelay,
            &options.delayMs))
        return m_context.usage(
            tr("--delay takes %1 to %2 ms").arg(AnimationExport::MinimumDelayMs).arg(longestDelay));
    if (!numberIn(parser.value(QStringLiteral("size")), RingFrameImage::MinimumSize,
            RingFrameImage::MaximumSize, &options.size))
        return m_context.usage(tr("--size takes %1 to %2 pixels")
                                   .arg(RingFrameImage::MinimumSize)
                                   .arg(RingFrameImage::MaximumSize));
    if (!sideIn(parser.value(QStringLiteral("side")), &options.side))
        return m_context.usage(tr("--side takes top or bottom"));
    options.source = args.at(1);
    return writeGif(args.at(1), args.at(2), options);
}

int GifCommand::writeGif(const QString& file, const QString& output, const AnimationExport::Options& options)
{
    if (OutputFile::sameFile(file, output))
        return m_context.sameFile(output);
    const std::unique_ptr<PanelDocument> document = m_context.load(file);
    if (!document)
        return CliContext::BadInput;
    const QByteArray image = CliContext::compiled(document.get());
    const PanelProgram::Variant variant = AnimationExport::variantOf(document.get());
    if (AnimationExport::frames(image, variant, 1).isEmpty()) {
        m_context.printError(tr("%1: the program shows no frame").arg(file));
        return CliContext::BadInput;
    }
    QString error;
    int written = 0;
    if (!AnimationExport::writeGif(image, variant, options, output, &error, &written)) {
        m_context.printError(error);
        return CliContext::LineFailed;
    }
    // Standard output carries the picture then.
    if (output != QLatin1String("-"))
        m_context.print(tr("%1 written to %2").arg(Counts::frames(written), output));
    return CliContext::Success;
}
