#include "LanesCommand.h"

#include "CliContext.h"
#include "formats/OutputFile.h"
#include "model/Counts.h"
#include "model/DeviceItem.h"
#include "model/PanelDocument.h"
#include "model/ProgramItem.h"
#include "views/LanePainter.h"

#include <QCommandLineParser>
#include <QImageWriter>

namespace {
// Painting coordinates stay within 16 bits.
constexpr int TallestPicture = 32767;
} // namespace

LanesCommand::LanesCommand(CliContext& context)
    : CliCommand(context)
{
}

QStringList LanesCommand::names() const
{
    return { QStringLiteral("lanes") };
}

QList<QCommandLineOption> LanesCommand::options() const
{
    return {
        outputOption(),
        { QStringLiteral("scale"),
            tr("lanes: pixels per position and per frame (default %1).").arg(DefaultScale),
            QStringLiteral("n"), QString::number(DefaultScale) },
    };
}

int LanesCommand::run(const QCommandLineParser& parser)
{
    const QStringList args = parser.positionalArguments();
    const QString output = parser.value(QStringLiteral("output"));
    if (args.size() != 2 || output.isEmpty())
        return m_context.wrongUse(args.at(0));
    eLedPanelSide side = Bottom;
    if (!sideIn(parser.value(QStringLiteral("side")), &side))
        return m_context.usage(tr("--side takes top or bottom"));
    int scale = 0;
    if (!numberIn(parser.value(QStringLiteral("scale")), LanePainter::MinimumCell, LanePainter::MaximumCell,
            &scale))
        return m_context.usage(
            tr("--scale takes %1 to %2").arg(LanePainter::MinimumCell).arg(LanePainter::MaximumCell));
    return writeLanes(args.at(1), output, side, scale);
}

int LanesCommand::writeLanes(const QString& file, const QString& output, eLedPanelSide side, int scale)
{
    if (OutputFile::sameFile(file, output))
        return m_context.sameFile(output);
    const std::unique_ptr<PanelDocument> document = m_context.load(file);
    if (!document)
        return CliContext::BadInput;
    LanePainter painter;
    painter.setSide(side);
    painter.setZoom(scale, scale);
    painter.setRows(LaneRows(document->deviceItem()->program(0)));
    const int height = painter.pictureSize().height();
    if (height > TallestPicture) {
        m_context.printError(tr("%1: the lanes would be %2 pixels high; a smaller --scale fits")
                                 .arg(file, QString::number(height)));
        return CliContext::BadInput;
    }
    std::fflush(m_context.out());
    OutputFile out(output, file);
    QImageWriter writer(&out, "png");
    if (!out.open(QIODevice::WriteOnly) || !writer.write(painter.picture()) || !out.commit()) {
        m_context.printError(out.failure());
        return out.isInput() ? CliContext::Usage : CliContext::LineFailed;
    }
    if (output != QLatin1String("-"))
        m_context.print(tr("%1 written to %2").arg(Counts::frames(painter.rows().frameCount()), output));
    return CliContext::Success;
}
