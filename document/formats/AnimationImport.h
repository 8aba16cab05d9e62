#pragma once

#include "kamdeldocument_export.h"
#include "model/LedPanelTypes.h"
#include "model/RingGeometry.h"

#include <QCoreApplication>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class QImageReader;

// Pictures turned into LED frames: an animated GIF composited frame by frame
// as a viewer shows it, a single PNG, JPEG or BMP picture, or a numbered
// series of pictures. Each picture is fitted centred into the square of the
// ring drawing (RingFrameImage, so a GIF export reads back as its frames); an
// LED takes the mean brightness of the pixels of its disc, and is on when
// that is at or above the threshold. A pixel's brightness is its strongest
// colour component over black, so a lit LED of any colour counts as bright.
class KAMDELDOCUMENT_EXPORT AnimationImport
{
    Q_DECLARE_TR_FUNCTIONS(AnimationImport)

public:
    static constexpr int LedCount = RingGeometry::LedCount;
    static constexpr int MaximumSide = 4096;
    static constexpr int MaximumFrames = 20000;
    // All frames together: a file holding more would take many minutes to
    // decode, for far more frames than a panel can hold.
    static constexpr qint64 MaximumPixels = qint64(1) << 33;
    static constexpr qint64 MaximumFileSize = qint64(1) << 30;
    // A progressive JPEG is decoded once over for each of its scans; the
    // usual ones have about ten.
    static constexpr int MaximumScans = 100;
    static constexpr int DefaultThreshold = 50;

    struct Options
    {
        int threshold = DefaultThreshold; // percent of full brightness, 0 to 100
        bool invert = false; // on below the threshold instead
        eLedPanelSide side = Bottom;
        int first = 0; // the first frame taken, from 0
        int count = 0; // 0: up to the last frame
    };

    AnimationImport();
    ~AnimationImport();

    // Keeps a picture of each frame at most `pixels` wide and high for
    // previews (0, the default: none); a long animation keeps only the
    // first ones.
    void setPreviewSize(int pixels);

    // Told on the reading thread how far a read has come: `done` of `total`,
    // counting the files of a series, or the frames of a single file (total
    // 0 until known). Returning false stops the read at the next frame or
    // file: it ends refused, with an empty errorString().
    using Progress = std::function<bool(int done, int total)>;
    void setProgress(Progress progress);

    // Reads the pictures in series order (see seriesOrder). False, with
    // errorString() set and no frame held, when one of them is refused.
    bool read(const QStringList& files);

    QString errorString() const { return m_error; }
    int frameCount() const { return m_levels.size() / (2 * LedCount); }
    // The frame as read, or a null image when it was not kept.
    QImage preview(int frame) const;

    // The LED values (0 or 1, LED k in ring k / 48 at position k mod 48) of
    // one frame, and of the frames the options select.
    QVector<int> frame(int index, const Options& options) const;
    QList<QVector<int>> frames(const Options& options) const;
    // Whether the options' first frame and count lie within the frames read.
    bool selects(const Options& options) const;
    // The mean brightness of the LED's disc in whole percent (rounded down).
    int brightness(int frame, int led, eLedPanelSide side) const;

    // The files sorted by name, runs of digits compared as numbers ("f2"
    // before "f10").
    static QStringList seriesOrder(const QStringList& files);
    static QString fileDialogFilter();

private:
    bool checkHeaders(const QStringList& files);
    bool checkFile(const QString& fileName, bool* gif);
    bool checkStill(
        QImageReader& reader, const QString& fileName, int framesLeft, qint64 pixelsLeft, QSize* size);
    bool readFile(const QString& fileName, int* framesLeft, qint64* pixelsLeft);
    bool readGif(const QString& fileName, int* framesLeft, qint64* pixelsLeft);
    bool readStill(const QString& fileName, int* framesLeft, qint64* pixelsLeft);
    bool fail(const QString& text);
    void addFrame(const uchar* levels, const QImage& picture);
    bool goOn();

    int m_previewSize = 0;
    qint64 m_previewBytes = 0;
    QString m_error;
    // Per frame: the brightness of every LED seen from the top, then from the bottom.
    QVector<uchar> m_levels;
    QVector<QImage> m_previews;
    Progress m_progress;
    bool m_stopped = false;
    int m_seriesLength = 0;
    int m_filesRead = 0;
    int m_fileFrames = 0;
};
