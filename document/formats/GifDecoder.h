#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

struct GifFileType;

// An animated GIF composited frame by frame as a viewer shows it: each
// frame's offset, local colour table, interlacing, transparent colour and
// disposal. A first walk over the block headers, decoding no pixel, checks
// the sizes and the frame count against the limits, and finds a truncation,
// before any work. A frame wholly off the screen can never show a pixel: it
// is passed over undecoded. What went wrong is told as a problem for the
// caller to word.
class GifDecoder
{
public:
    enum class Problem
    {
        None,
        Unreadable, // detail(): the file's error
        Corrupt, // detail(): giflib's words
        NoPixels,
        TooLarge, // refusedSize(): the picture's or a frame's size
        TooManyFrames,
        TooManyPixels,
        NoColours,
        NoPicture,
        NoMemory,
    };
    struct Limits
    {
        int side; // the widest and highest picture or frame
        int frames;
        qint64 pixels; // all frames together, but for those off the screen
    };
    // Receives the canvas after each frame and the part of it that changed
    // since the previous one.
    using FrameSink = std::function<void(const QImage& canvas, const QRect& changed)>;

    explicit GifDecoder(const QString& fileName);
    ~GifDecoder();

    // The first walk. False, with problem() set, when the file is refused.
    bool scan(const Limits& limits);
    // The frames, after a successful scan().
    bool decode(const FrameSink& sink);

    QSize size() const { return m_size; }
    int frameCount() const { return m_frames; }
    qint64 pixelCount() const { return m_pixels; }

    Problem problem() const { return m_problem; }
    QString detail() const { return m_detail; }
    QSize refusedSize() const { return m_refusedSize; }

private:
    struct Closer
    {
        void operator()(GifFileType* gif) const;
    };
    using Handle = std::unique_ptr<GifFileType, Closer>;

    bool open();
    bool countImage(const Limits& limits);
    bool drawFrame(int disposalMode, int transparent, const FrameSink& sink);
    QRect disposePrevious();
    bool fail(Problem problem, const QString& detail = QString());
    bool corrupt(int code);
    bool tooLarge(int width, int height);

    QFile m_file;
    Handle m_gif;
    QSize m_size;
    int m_frames = 0;
    qint64 m_pixels = 0;
    Problem m_problem = Problem::None;
    QString m_detail;
    QSize m_refusedSize;

    QImage m_canvas;
    QByteArray m_line;
    // What the previous frame leaves for the next: its disposal, the area it
    // covered, and for a disposal to the previous picture what lay there.
    int m_disposal = 0;
    QRect m_disposed;
    QImage m_underneath;
};
