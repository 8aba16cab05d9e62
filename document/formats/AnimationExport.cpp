#include "AnimationExport.h"

#include "GifWriter.h"
#include "OutputFile.h"
#include "model/PanelDocument.h"
#include "player/RingFrameImage.h"

#include <QImageWriter>

PanelProgram::Variant AnimationExport::variantOf(const PanelDocument* document)
{
    return document->panel() == PanelDocument::Panel::RingB ? PanelProgram::Variant::MsbFirst
                                                            : PanelProgram::Variant::LsbFirst;
}

QList<AnimationExport::Leds> AnimationExport::frames(
    const QByteArray& image, PanelProgram::Variant variant, int count)
{
    PanelProgram program(variant);
    program.load(image);
    const int limit = count > 0 ? count : MaximumFrames;
    QList<Leds> shown;
    while (shown.size() < limit) {
        const PanelProgram::Step step = program.next();
        if (step.kind != PanelProgram::Step::Frame)
            break;
        // A Reset in the program runs it again from its start: from here on
        // the frames repeat.
        const bool startedOver = std::any_of(step.notes.cbegin(), step.notes.cend(),
            [](const QString& note) { return note.startsWith(QLatin1String("RESTART")); });
        if (count == 0 && startedOver && !shown.isEmpty())
            break;
        shown.append(program.leds());
    }
    return shown;
}

bool AnimationExport::writeGif(const QByteArray& image, PanelProgram::Variant variant, const Options& options,
    const QString& fileName, QString* error, int* framesWritten)
{
    const QList<Leds> shown = frames(image, variant, qMin(options.frames, int(MaximumFrames)));
    if (framesWritten)
        *framesWritten = 0;
    if (shown.isEmpty()) {
        *error = tr("The program shows no frame.");
        return false;
    }
    if (OutputFile::sameFile(options.source, fileName)) {
        *error = OutputFile::inputRefusal(fileName);
        return false;
    }
    const RingFrameImage drawing(options.size, options.side);
    GifWriter gif;
    bool written = gif.open(fileName, drawing.size(), drawing.size(), drawing.palette(), options.source);
    const int delay = qMax(int(MinimumDelayMs), options.delayMs);
    for (int i = 0; written && i < shown.size(); ++i)
        written = gif.addFrame(drawing.indices(shown.at(i)), delay);
    if (written)
        written = gif.close();
    if (!written) {
        *error = tr("Cannot write %1: %2").arg(fileName, gif.errorString());
        return false;
    }
    if (framesWritten)
        *framesWritten = shown.size();
    return true;
}

bool AnimationExport::writePng(const Leds& leds, int size, eLedPanelSide side, const QString& fileName,
    QString* error, const QString& source)
{
    OutputFile file(fileName, source);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = file.failure();
        return false;
    }
    QImageWriter writer(&file, "png");
    if (!writer.write(RingFrameImage(size, side).image(leds))) {
        // The device's reason, if it failed, says more than the writer's.
        *error = file.errorString().isEmpty() ? tr("Cannot write %1: %2").arg(fileName, writer.errorString())
                                              : file.failure();
        return false;
    }
    if (!file.commit()) {
        *error = file.failure();
        return false;
    }
    return true;
}
