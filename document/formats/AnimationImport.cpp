#include "AnimationImport.h"

#include "player/RingFrameImage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRect>
#include <QtEndian>

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace {

constexpr int LedCount = AnimationImport::LedCount;
// Previews of the first frames only, so that a long animation stays small.
constexpr qint64 PreviewBudget = qint64(48) << 20;

// One row of an LED's disc: pixels x0 to x1 - 1 of row y.
struct Span
{
    int y;
    int x0;
    int x1;
};

struct Disc
{
    QRect bounds;
    std::vector<Span> spans;
    quint64 pixels = 0;
};

// The discs of the LEDs on a picture of `size`, fitted centred into the ring
// drawing's square: first the 192 seen from the top, then from the bottom.
// The part of the square outside the picture is empty and counts as black.
std::vector<Disc> discsFor(const QSize& size)
{
    const int width = size.width();
    const int height = size.height();
    const double square = qMax(width, height);
    const QPointF centre(width / 2.0, height / 2.0);
    const double board = square / 2.0 - square / 64.0;
    const double radius = RingFrameImage::ledRadius(board);
    std::vector<Disc> discs(2 * LedCount);
    for (int k = 0; k < 2 * LedCount; ++k) {
        const QPointF c = RingFrameImage::ledCentre(k % LedCount, k < LedCount ? Top : Bottom, centre, board);
        Disc& disc = discs[size_t(k)];
        const int y0 = int(std::floor(c.y() - radius - 1));
        const int y1 = int(std::ceil(c.y() + radius + 1));
        const int x0 = int(std::floor(c.x() - radius - 1));
        const int x1 = int(std::ceil(c.x() + radius + 1));
        for (int y = y0; y <= y1; ++y) {
            const double dy = y + 0.5 - c.y();
            int first = x1 + 1;
            int last = x0 - 1;
            for (int x = x0; x <= x1; ++x) {
                const double dx = x + 0.5 - c.x();
                if (dx * dx + dy * dy <= radius * radius) {
                    first = qMin(first, x);
                    last = x;
                }
            }
            if (first > last)
                continue;
            disc.pixels += quint64(last - first + 1);
            first = qMax(first, 0);
            last = qMin(last, width - 1);
            if (y >= 0 && y < height && first <= last)
                disc.spans.push_back({ y, first, last + 1 });
        }
        // A picture so small that no pixel centre lies in the disc: the
        // pixel under the LED's centre stands for it.
        if (disc.pixels == 0) {
            disc.pixels = 1;
            const int x = int(std::floor(c.x()));
            const int y = int(std::floor(c.y()));
            if (x >= 0 && x < width && y >= 0 && y < height)
                disc.spans.push_back({ y, x, x + 1 });
        }
        for (const Span& span : disc.spans)
            disc.bounds |= QRect(span.x0, span.y, span.x1 - span.x0, 1);
    }
    return discs;
}

// A pixel's brightness over black, in 255ths of its strongest colour
// component: 0 to 255 x 255.
inline quint32 brightnessOf(QRgb pixel)
{
    return quint32(qMax(qRed(pixel), qMax(qGreen(pixel), qBlue(pixel)))) * quint32(qAlpha(pixel));
}

// The disc's mean brightness in whole percent, rounded down, so that a
// threshold of whole percent compares exactly.
uchar levelOf(const QImage& picture, const Disc& disc)
{
    quint64 sum = 0;
    for (const Span& span : disc.spans) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(span.y));
        for (int x = span.x0; x < span.x1; ++x)
            sum += brightnessOf(line[x]);
    }
    return uchar(qMin<quint64>(100, sum * 100 / (255 * 255 * disc.pixels)));
}

int readFromFile(GifFileType* gif, GifByteType* data, int length)
{
    auto* file = static_cast<QFile*>(gif->UserData);
    const qint64 got = file->read(reinterpret_cast<char*>(data), length);
    return got < 0 ? 0 : int(got);
}

struct GifCloser
{
    void operator()(GifFileType* gif) const
    {
        int ignored = 0;
        DGifCloseFile(gif, &ignored);
    }
};
using GifHandle = std::unique_ptr<GifFileType, GifCloser>;

GraphicsControlBlock noControl()
{
    GraphicsControlBlock control {};
    control.DisposalMode = DISPOSAL_UNSPECIFIED;
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    return control;
}

// Reads an extension; a graphic control block sets `control`.
bool readExtension(GifFileType* gif, GraphicsControlBlock* control)
{
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(gif, &code, &block) == GIF_ERROR)
        return false;
    if (control && code == GRAPHICS_EXT_FUNC_CODE && block && block[0] == 4)
        DGifExtensionToGCB(4, block + 1, control);
    while (block) {
        if (DGifGetExtensionNext(gif, &block) == GIF_ERROR)
            return false;
    }
    return true;
}

// Reads an image descriptor into gif->Image. giflib also keeps a copy of
// every descriptor read, growing its list by one each time: dropped at
// once, as only the current one is needed.
bool readImageDesc(GifFileType* gif)
{
    if (DGifGetImageDesc(gif) == GIF_ERROR)
        return false;
    GifFreeSavedImages(gif);
    gif->ImageCount = 0;
    return true;
}

// Passes over an image's compressed data without decoding it.
bool skipImage(GifFileType* gif)
{
    int codeSize = 0;
    GifByteType* block = nullptr;
    if (DGifGetCode(gif, &codeSize, &block) == GIF_ERROR)
        return false;
    while (block) {
        if (DGifGetCodeNext(gif, &block) == GIF_ERROR)
            return false;
    }
    return true;
}

// Draws the image whose descriptor was just read onto the canvas; the
// transparent index leaves the canvas as it is, and what lies outside the
// canvas is dropped.
bool drawImage(GifFileType* gif, const ColorMapObject* map, int transparent, QImage* canvas, QByteArray* line)
{
    const GifImageDesc& desc = gif->Image;
    if (desc.Width <= 0 || desc.Height <= 0)
        return skipImage(gif);
    std::array<QRgb, 256> colours {};
    for (int i = 0; i < 256; ++i) {
        if (i == transparent)
            colours[size_t(i)] = 0;
        else if (i < map->ColorCount)
            colours[size_t(i)] = qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
        else
            colours[size_t(i)] = qRgb(0, 0, 0);
    }
    const int left = desc.Left;
    const int top = desc.Top;
    const int visible = qMax(0, qMin(desc.Width, canvas->width() - left));
    line->resize(desc.Width);
    auto* pixels = reinterpret_cast<GifPixelType*>(line->data());
    // Interlaced images come in four passes of rows.
    static const int starts[] = { 0, 4, 2, 1 };
    static const int steps[] = { 8, 8, 4, 2 };
    const int passes = desc.Interlace ? 4 : 1;
    for (int pass = 0; pass < passes; ++pass) {
        const int start = desc.Interlace ? starts[pass] : 0;
        const int step = desc.Interlace ? steps[pass] : 1;
        for (int row = start; row < desc.Height; row += step) {
            if (DGifGetLine(gif, pixels, desc.Width) == GIF_ERROR)
                return false;
            const int y = top + row;
            if (y >= canvas->height() || visible == 0)
                continue;
            auto* out = reinterpret_cast<QRgb*>(canvas->scanLine(y)) + left;
            for (int x = 0; x < visible; ++x) {
                const QRgb colour = colours[pixels[x]];
                if (qAlpha(colour))
                    out[x] = colour;
            }
        }
    }
    return true;
}

// Whether the file's last bytes hold `mark`: the end marker of a complete
// PNG or JPEG file, whose readers fill a truncated picture silently.
bool endsWithMark(QFile& file, const QByteArray& mark)
{
    const qint64 tail = qMin<qint64>(file.size(), 64);
    if (!file.seek(file.size() - tail))
        return false;
    return file.read(tail).contains(mark);
}

// Whether an uncompressed BMP holds as many bytes as its header announces.
bool bmpComplete(QFile& file)
{
    if (!file.seek(0))
        return false;
    const QByteArray header = file.read(54);
    if (header.size() < 54)
        return false;
    const auto* bytes = reinterpret_cast<const uchar*>(header.constData());
    const quint32 announced = qFromLittleEndian<quint32>(bytes + 2);
    if (announced != 0 && quint64(file.size()) < announced)
        return false;
    const quint32 pixelsAt = qFromLittleEndian<quint32>(bytes + 10);
    const qint32 width = qFromLittleEndian<qint32>(bytes + 18);
    const qint32 height = qFromLittleEndian<qint32>(bytes + 22);
    const quint16 bits = qFromLittleEndian<quint16>(bytes + 28);
    const quint32 compression = qFromLittleEndian<quint32>(bytes + 30);
    if (compression != 0 || width <= 0 || bits == 0)
        return true;
    const quint64 row = (quint64(width) * bits + 31) / 32 * 4;
    return quint64(file.size()) >= pixelsAt + row * quint64(qAbs(qint64(height)));
}

int compareDigits(const QString& a, int aFrom, int aTo, const QString& b, int bFrom, int bTo)
{
    while (aFrom < aTo - 1 && a.at(aFrom) == QLatin1Char('0'))
        ++aFrom;
    while (bFrom < bTo - 1 && b.at(bFrom) == QLatin1Char('0'))
        ++bFrom;
    if (aTo - aFrom != bTo - bFrom)
        return (aTo - aFrom) < (bTo - bFrom) ? -1 : 1;
    for (; aFrom < aTo; ++aFrom, ++bFrom) {
        if (a.at(aFrom) != b.at(bFrom))
            return a.at(aFrom) < b.at(bFrom) ? -1 : 1;
    }
    return 0;
}

bool isDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Names compared with their runs of digits as numbers, letters regardless
// of case.
int compareNames(const QString& a, const QString& b)
{
    int i = 0;
    int j = 0;
    while (i < a.size() && j < b.size()) {
        if (isDigit(a.at(i)) && isDigit(b.at(j))) {
            int iEnd = i;
            int jEnd = j;
            while (iEnd < a.size() && isDigit(a.at(iEnd)))
                ++iEnd;
            while (jEnd < b.size() && isDigit(b.at(jEnd)))
                ++jEnd;
            if (const int order = compareDigits(a, i, iEnd, b, j, jEnd))
                return order;
            i = iEnd;
            j = jEnd;
            continue;
        }
        const QChar x = a.at(i).toLower();
        const QChar y = b.at(j).toLower();
        if (x != y)
            return x < y ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    return QString::compare(a, b);
}

} // namespace

AnimationImport::AnimationImport() = default;
AnimationImport::~AnimationImport() = default;

void AnimationImport::setPreviewSize(int pixels)
{
    m_previewSize = qMax(0, pixels);
}

QString AnimationImport::fileDialogFilter()
{
    return tr("Pictures (*.gif *.png *.jpg *.jpeg *.bmp);;All files (*)");
}

QStringList AnimationImport::seriesOrder(const QStringList& files)
{
    QStringList sorted = files;
    std::stable_sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
        const int byName = compareNames(QFileInfo(a).fileName(), QFileInfo(b).fileName());
        return byName != 0 ? byName < 0 : compareNames(a, b) < 0;
    });
    return sorted;
}

bool AnimationImport::fail(const QString& text)
{
    m_error = text;
    m_levels.clear();
    m_previews.clear();
    m_previewBytes = 0;
    return false;
}

bool AnimationImport::read(const QStringList& files)
{
    fail(QString());
    if (files.isEmpty())
        return fail(tr("No picture was given."));
    int framesLeft = MaximumFrames;
    qint64 pixelsLeft = MaximumPixels;
    for (const QString& file : seriesOrder(files)) {
        if (!readFile(file, &framesLeft, &pixelsLeft))
            return false;
    }
    return true;
}

bool AnimationImport::readFile(const QString& fileName, int* framesLeft, qint64* pixelsLeft)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    const QFileInfo info(fileName);
    if (!info.exists())
        return fail(tr("%1 does not exist.").arg(shown));
    // A device or a pipe would never end.
    if (!info.isFile())
        return fail(tr("%1 is not a picture file.").arg(shown));
    if (info.size() > MaximumFileSize)
        return fail(tr("%1 is too large to import.").arg(shown));
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(tr("Cannot read %1: %2").arg(shown, file.errorString()));
    const QByteArray start = file.peek(6);
    file.close();
    if (start == "GIF87a" || start == "GIF89a")
        return readGif(fileName, framesLeft, pixelsLeft);
    return readStill(fileName, framesLeft, pixelsLeft);
}

bool AnimationImport::readGif(const QString& fileName, int* framesLeft, qint64* pixelsLeft)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    auto corrupt = [&](int code) {
        return fail(
            tr("%1 is truncated or corrupt (%2).").arg(shown, QString::fromLatin1(GifErrorString(code))));
    };
    auto tooLarge = [&](int width, int height) {
        return fail(tr("%1 is %2 x %3 pixels; pictures up to %4 x %4 pixels can be imported.")
                        .arg(shown)
                        .arg(width)
                        .arg(height)
                        .arg(MaximumSide));
    };
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(tr("Cannot read %1: %2").arg(shown, file.errorString()));
    auto open = [&file](int* code) {
        *code = 0;
        return GifHandle(file.seek(0) ? DGifOpen(&file, readFromFile, code) : nullptr);
    };

    int code = 0;
    GifHandle gif = open(&code);
    if (!gif)
        return corrupt(code);
    const int width = gif->SWidth;
    const int height = gif->SHeight;
    if (width > MaximumSide || height > MaximumSide)
        return tooLarge(width, height);
    if (width < 1 || height < 1)
        return fail(tr("%1 is truncated or corrupt (it has no pixels).").arg(shown));

    // A first walk over the blocks, without decoding a pixel, finds the
    // number and sizes of the frames and any truncation before the work.
    int frames = 0;
    qint64 pixels = 0;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR)
            return corrupt(gif->Error);
        if (type == TERMINATE_RECORD_TYPE)
            break;
        if (type == EXTENSION_RECORD_TYPE) {
            if (!readExtension(gif.get(), nullptr))
                return corrupt(gif->Error);
            continue;
        }
        if (!readImageDesc(gif.get()))
            return corrupt(gif->Error);
        const GifImageDesc& desc = gif->Image;
        if (desc.Width > MaximumSide || desc.Height > MaximumSide)
            return tooLarge(desc.Width, desc.Height);
        if (++frames > *framesLeft)
            return fail(
                tr("%1 holds more frames than can be imported (at most %2).").arg(shown).arg(MaximumFrames));
        pixels += qint64(desc.Width) * desc.Height;
        if (pixels > *pixelsLeft)
            return fail(tr("%1 holds too many pixels to import.").arg(shown));
        if (!desc.ColorMap && !gif->SColorMap)
            return fail(tr("%1 is truncated or corrupt (a frame has no colours).").arg(shown));
        if (!skipImage(gif.get()))
            return corrupt(gif->Error);
    }
    if (frames == 0)
        return fail(tr("%1 holds no picture.").arg(shown));

    gif = open(&code);
    if (!gif)
        return corrupt(code);
    QImage canvas(width, height, QImage::Format_ARGB32);
    if (canvas.isNull())
        return fail(tr("Not enough memory to read %1.").arg(shown));
    // Viewers start from a transparent picture, which shows as black here.
    canvas.fill(0);
    const std::vector<Disc> discs = discsFor(canvas.size());
    std::array<uchar, 2 * LedCount> levels {};
    GraphicsControlBlock control = noControl();
    int disposal = DISPOSAL_UNSPECIFIED;
    QRect disposed;
    QImage underneath;
    QByteArray line;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif.get(), &type) == GIF_ERROR)
            return corrupt(gif->Error);
        if (type == TERMINATE_RECORD_TYPE)
            break;
        if (type == EXTENSION_RECORD_TYPE) {
            if (!readExtension(gif.get(), &control))
                return corrupt(gif->Error);
            continue;
        }
        if (!readImageDesc(gif.get()))
            return corrupt(gif->Error);

        // What the previous frame leaves for this one.
        QRect changed;
        if (disposal == DISPOSE_BACKGROUND && !disposed.isEmpty()) {
            for (int y = disposed.top(); y <= disposed.bottom(); ++y)
                std::fill_n(
                    reinterpret_cast<QRgb*>(canvas.scanLine(y)) + disposed.left(), disposed.width(), 0u);
            changed = disposed;
        } else if (disposal == DISPOSE_PREVIOUS && !underneath.isNull()) {
            for (int y = 0; y < underneath.height(); ++y)
                memcpy(reinterpret_cast<QRgb*>(canvas.scanLine(disposed.top() + y)) + disposed.left(),
                    underneath.constScanLine(y), size_t(underneath.width()) * sizeof(QRgb));
            changed = disposed;
        }
        underneath = QImage();

        const GifImageDesc desc = gif->Image;
        const QRect area = QRect(desc.Left, desc.Top, desc.Width, desc.Height).intersected(canvas.rect());
        if (control.DisposalMode == DISPOSE_PREVIOUS && !area.isEmpty())
            underneath = canvas.copy(area);
        const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : gif->SColorMap;
        if (!drawImage(gif.get(), map, control.TransparentColor, &canvas, &line))
            return corrupt(gif->Error);
        changed |= area;
        for (int k = 0; k < 2 * LedCount; ++k) {
            if (discs[size_t(k)].bounds.intersects(changed))
                levels[size_t(k)] = levelOf(canvas, discs[size_t(k)]);
        }
        addFrame(levels.data(), canvas);
        disposal = control.DisposalMode;
        disposed = area;
        control = noControl();
    }
    *framesLeft -= frames;
    *pixelsLeft -= pixels;
    return true;
}

bool AnimationImport::readStill(const QString& fileName, int* framesLeft, qint64* pixelsLeft)
{
    const QString shown = QDir::toNativeSeparators(fileName);
    const QString notPicture
        = tr("%1 is not a picture: GIF, PNG, JPEG and BMP pictures can be imported.").arg(shown);
    QImageReader reader(fileName);
    reader.setDecideFormatFromContent(true);
    const QByteArray format = reader.format();
    if (format != "png" && format != "jpeg" && format != "bmp")
        return fail(notPicture);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return fail(tr("%1 is truncated or corrupt (%2).").arg(shown, reader.errorString()));
    if (size.width() > MaximumSide || size.height() > MaximumSide)
        return fail(tr("%1 is %2 x %3 pixels; pictures up to %4 x %4 pixels can be imported.")
                        .arg(shown)
                        .arg(size.width())
                        .arg(size.height())
                        .arg(MaximumSide));
    if (*framesLeft < 1)
        return fail(
            tr("%1 holds more frames than can be imported (at most %2).").arg(shown).arg(MaximumFrames));
    if (qint64(size.width()) * size.height() > *pixelsLeft)
        return fail(tr("%1 holds too many pixels to import.").arg(shown));

    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return fail(tr("Cannot read %1: %2").arg(shown, file.errorString()));
    const bool complete = format == "png" ? endsWithMark(file, "IEND")
        : format == "jpeg"                ? endsWithMark(file, "\xFF\xD9")
                                          : bmpComplete(file);
    file.close();
    if (!complete)
        return fail(tr("%1 is truncated or corrupt (it ends too early).").arg(shown));

    QImage picture = reader.read();
    if (picture.isNull())
        return fail(tr("%1 is truncated or corrupt (%2).").arg(shown, reader.errorString()));
    if (picture.format() != QImage::Format_RGB32 && picture.format() != QImage::Format_ARGB32)
        picture = picture.convertToFormat(QImage::Format_ARGB32);
    if (picture.isNull())
        return fail(tr("Not enough memory to read %1.").arg(shown));
    const std::vector<Disc> discs = discsFor(picture.size());
    std::array<uchar, 2 * LedCount> levels {};
    for (int k = 0; k < 2 * LedCount; ++k)
        levels[size_t(k)] = levelOf(picture, discs[size_t(k)]);
    addFrame(levels.data(), picture);
    *framesLeft -= 1;
    *pixelsLeft -= qint64(size.width()) * size.height();
    return true;
}

void AnimationImport::addFrame(const uchar* levels, const QImage& picture)
{
    const int at = m_levels.size();
    m_levels.resize(at + 2 * LedCount);
    std::copy_n(levels, 2 * LedCount, m_levels.begin() + at);
    QImage preview;
    if (m_previewSize > 0 && m_previewBytes < PreviewBudget) {
        preview = picture.width() > m_previewSize || picture.height() > m_previewSize
            ? picture.scaled(m_previewSize, m_previewSize, Qt::KeepAspectRatio, Qt::FastTransformation)
            : picture.copy();
        m_previewBytes += preview.sizeInBytes();
    }
    m_previews.append(preview);
}

QImage AnimationImport::preview(int frame) const
{
    return m_previews.value(frame);
}

int AnimationImport::brightness(int frame, int led, eLedPanelSide side) const
{
    if (frame < 0 || frame >= frameCount() || led < 0 || led >= LedCount)
        return 0;
    return m_levels.at((frame * 2 + (side == Bottom ? 1 : 0)) * LedCount + led);
}

QVector<int> AnimationImport::frame(int index, const Options& options) const
{
    QVector<int> values(LedCount, 0);
    if (index < 0 || index >= frameCount())
        return values;
    const uchar* levels = m_levels.constData() + (index * 2 + (options.side == Bottom ? 1 : 0)) * LedCount;
    for (int k = 0; k < LedCount; ++k)
        values[k] = (levels[k] >= options.threshold) != options.invert ? 1 : 0;
    return values;
}

bool AnimationImport::selects(const Options& options) const
{
    return options.first >= 0 && options.first < frameCount() && options.count >= 0
        && options.count <= frameCount() - options.first;
}

QList<QVector<int>> AnimationImport::frames(const Options& options) const
{
    QList<QVector<int>> result;
    if (!selects(options))
        return result;
    const int last = options.count > 0 ? options.first + options.count : frameCount();
    for (int index = options.first; index < last; ++index)
        result.append(frame(index, options));
    return result;
}
