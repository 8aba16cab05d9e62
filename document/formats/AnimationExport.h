#pragma once

#include "kamdeldocument_export.h"
#include "model/LedPanelTypes.h"
#include "player/PanelProgram.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <bitset>

class PanelDocument;

// The frames of a program as the panel plays them from its start, and their
// export as an animated GIF or a PNG picture.
class KAMDELDOCUMENT_EXPORT AnimationExport
{
    Q_DECLARE_TR_FUNCTIONS(AnimationExport)

public:
    using Leds = std::bitset<PanelProgram::LedCount>;
    static constexpr int MaximumFrames = 1000;
    // Most viewers show GIF delays under 20 ms much slower than asked.
    static constexpr int MinimumDelayMs = 20;
    static constexpr int DefaultDelayMs = 100;
    static constexpr int DefaultSize = 256;

    struct Options
    {
        int frames = 0; // 0: until the program holds or starts over, at most MaximumFrames
        int delayMs = DefaultDelayMs;
        int size = DefaultSize;
        eLedPanelSide side = Bottom;
        QString source; // the document's file: never written over
    };

    // The image variant a document's panel model runs.
    static PanelProgram::Variant variantOf(const PanelDocument* document);

    // The frames shown, in order. With `count` 0 it stops where the program
    // holds or comes back to its start; otherwise after `count` frames or a hold.
    static QList<Leds> frames(const QByteArray& image, PanelProgram::Variant variant, int count);

    // Writes the GIF; false with `error` set when nothing could be written
    // (a program without frames, or a file that cannot be written).
    static bool writeGif(const QByteArray& image, PanelProgram::Variant variant, const Options& options,
        const QString& fileName, QString* error, int* framesWritten = nullptr);
    static bool writePng(const Leds& leds, int size, eLedPanelSide side, const QString& fileName,
        QString* error, const QString& source = QString());
};
