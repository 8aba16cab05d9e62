#include "GifDecoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>

namespace {

int readFromFile(GifFileType* gif, GifByteType* data, int length)
{
    auto* file = static_cast<QFile*>(gif->UserData);
    const qint64 got = file->read(reinterpret_cast<char*>(data), length);
    return got < 0 ? 0 : int(got);
}

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

enum class Next
{
    Image,
    End,
    Error,
};

// Reads the blocks up to the next image descriptor or the end of the file;
// the extensions on the way set `control`.
Next nextImage(GifFileType* gif, GraphicsControlBlock* control)
{
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR)
            return Next::Error;
        if (type == TERMINATE_RECORD_TYPE)
            return Next::End;
        if (type != EXTENSION_RECORD_TYPE)
            return readImageDesc(gif) ? Next::Image : Next::Error;
        if (!readExtension(gif, control))
            return Next::Error;
    }
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

// Whether none of the image's pixels can show: it lies wholly outside the
// screen, or has none.
bool offScreen(const GifImageDesc& desc, QSize screen)
{
    return !QRect(desc.Left, desc.Top, desc.Width, desc.Height).intersects(QRect(QPoint(0, 0), screen));
}

// The colour of every index; the transparent one is 0, an index past the
// table black.
std::array<QRgb, 256> colourTable(const ColorMapObject* map, int transparent)
{
    std::array<QRgb, 256> colours {};
    for (int i = 0; i < 256; ++i) {
        if (i == transparent)
            colours[size_t(i)] = 0;
        else if (i < map->ColorCount)
            colours[size_t(i)] = qRgb(map->Colors[i].Red, map->Colors[i].Green, map->Colors[i].Blue);
        else
            colours[size_t(i)] = qRgb(0, 0, 0);
    }
    return colours;
}

// Draws the image whose descriptor was just read onto the canvas; the
// transparent index leaves the canvas as it is, and what lies outside the
// canvas is dropped.
bool drawImage(GifFileType* gif, const ColorMapObject* map, int transparent, QImage* canvas, QByteArray* line)
{
    const GifImageDesc& desc = gif->Image;
    if (offScreen(desc, canvas->size()))
        return skipImage(gif);
    const std::array<QRgb, 256> colours = colourTable(map, transparent);
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

} // namespace

void GifDecoder::Closer::operator()(GifFileType* gif) const
{
    int ignored = 0;
    DGifCloseFile(gif, &ignored);
}

GifDecoder::GifDecoder(const QString& fileName)
    : m_file(fileName)
{
}

GifDecoder::~GifDecoder() = default;

bool GifDecoder::fail(Problem problem, const QString& detail)
{
    m_problem = problem;
    m_detail = detail;
    return false;
}

bool GifDecoder::corrupt(int code)
{
    return fail(Problem::Corrupt, QString::fromLatin1(GifErrorString(code)));
}

bool GifDecoder::tooLarge(int width, int height)
{
    m_refusedSize = QSize(width, height);
    return fail(Problem::TooLarge);
}

// Starts giflib over at the file's first byte.
bool GifDecoder::open()
{
    int code = 0;
    m_gif = Handle(m_file.seek(0) ? DGifOpen(&m_file, readFromFile, &code) : nullptr);
    return m_gif || corrupt(code);
}

bool GifDecoder::scan(const Limits& limits)
{
    if (!m_file.open(QIODevice::ReadOnly))
        return fail(Problem::Unreadable, m_file.errorString());
    if (!open())
        return false;
    m_size = QSize(m_gif->SWidth, m_gif->SHeight);
    if (m_gif->SWidth > limits.side || m_gif->SHeight > limits.side)
        return tooLarge(m_gif->SWidth, m_gif->SHeight);
    if (m_gif->SWidth < 1 || m_gif->SHeight < 1)
        return fail(Problem::NoPixels);
    m_frames = 0;
    m_pixels = 0;
    for (;;) {
        const Next next = nextImage(m_gif.get(), nullptr);
        if (next == Next::Error)
            return corrupt(m_gif->Error);
        if (next == Next::End)
            break;
        if (!countImage(limits))
            return false;
        if (!skipImage(m_gif.get()))
            return corrupt(m_gif->Error);
    }
    return m_frames > 0 || fail(Problem::NoPicture);
}

// Counts the image whose descriptor was just read against the limits. One
// off the screen is still a frame, but its pixels are never decoded.
bool GifDecoder::countImage(const Limits& limits)
{
    const GifImageDesc& desc = m_gif->Image;
    const bool shown = !offScreen(desc, m_size);
    if (shown && (desc.Width > limits.side || desc.Height > limits.side))
        return tooLarge(desc.Width, desc.Height);
    if (++m_frames > limits.frames)
        return fail(Problem::TooManyFrames);
    if (shown)
        m_pixels += qint64(desc.Width) * desc.Height;
    if (m_pixels > limits.pixels)
        return fail(Problem::TooManyPixels);
    if (!desc.ColorMap && !m_gif->SColorMap)
        return fail(Problem::NoColours);
    return true;
}

bool GifDecoder::decode(const FrameSink& sink)
{
    if (!open())
        return false;
    m_canvas = QImage(m_size, QImage::Format_ARGB32);
    if (m_canvas.isNull())
        return fail(Problem::NoMemory);
    // Viewers start from a transparent picture, which shows as black here.
    m_canvas.fill(0);
    m_disposal = DISPOSAL_UNSPECIFIED;
    m_disposed = QRect();
    m_underneath = QImage();
    for (;;) {
        GraphicsControlBlock control = noControl();
        const Next next = nextImage(m_gif.get(), &control);
        if (next == Next::Error)
            return corrupt(m_gif->Error);
        if (next == Next::End)
            return true;
        if (!drawFrame(control.DisposalMode, control.TransparentColor, sink))
            return corrupt(m_gif->Error);
    }
}

// Composites the frame whose descriptor was just read and hands the canvas
// over.
bool GifDecoder::drawFrame(int disposalMode, int transparent, const FrameSink& sink)
{
    const QRect changed = disposePrevious();
    const GifImageDesc desc = m_gif->Image;
    const QRect area = QRect(desc.Left, desc.Top, desc.Width, desc.Height).intersected(m_canvas.rect());
    if (disposalMode == DISPOSE_PREVIOUS && !area.isEmpty())
        m_underneath = m_canvas.copy(area);
    const ColorMapObject* map = desc.ColorMap ? desc.ColorMap : m_gif->SColorMap;
    if (!drawImage(m_gif.get(), map, transparent, &m_canvas, &m_line))
        return false;
    sink(m_canvas, changed | area);
    m_disposal = disposalMode;
    m_disposed = area;
    return true;
}

// Carries out the previous frame's disposal; returns the area it changed.
QRect GifDecoder::disposePrevious()
{
    QRect changed;
    if (m_disposal == DISPOSE_BACKGROUND && !m_disposed.isEmpty()) {
        for (int y = m_disposed.top(); y <= m_disposed.bottom(); ++y)
            std::fill_n(
                reinterpret_cast<QRgb*>(m_canvas.scanLine(y)) + m_disposed.left(), m_disposed.width(), 0u);
        changed = m_disposed;
    } else if (m_disposal == DISPOSE_PREVIOUS && !m_underneath.isNull()) {
        for (int y = 0; y < m_underneath.height(); ++y)
            memcpy(reinterpret_cast<QRgb*>(m_canvas.scanLine(m_disposed.top() + y)) + m_disposed.left(),
                m_underneath.constScanLine(y), size_t(m_underneath.width()) * sizeof(QRgb));
        changed = m_disposed;
    }
    m_underneath = QImage();
    return changed;
}
