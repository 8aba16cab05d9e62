#include "GifWriter.h"

#include "OutputFile.h"

#include <gif_lib.h>

namespace {
int writeToFile(GifFileType* gif, const GifByteType* data, int length)
{
    auto* file = static_cast<OutputFile*>(gif->UserData);
    return int(file->write(reinterpret_cast<const char*>(data), length));
}
} // namespace

GifWriter::GifWriter() = default;

GifWriter::~GifWriter()
{
    abandon();
}

bool GifWriter::fail(int code)
{
    m_error = QString::fromLatin1(GifErrorString(code));
    // A failed write has the system's reason.
    if (m_file && m_file->hasFailed())
        m_error = m_file->errorString();
    abandon();
    return false;
}

void GifWriter::abandon()
{
    if (m_gif) {
        int ignored = 0;
        EGifCloseFile(m_gif, &ignored);
        m_gif = nullptr;
    }
    if (m_file) {
        m_file->cancel();
        m_file.reset();
    }
}

bool GifWriter::open(
    const QString& fileName, int width, int height, const QVector<QRgb>& palette, const QString& source)
{
    abandon();
    m_error.clear();
    m_width = width;
    m_height = height;
    m_file = std::make_unique<OutputFile>(fileName, source);
    if (!m_file->open(QIODevice::WriteOnly)) {
        m_error = m_file->errorString();
        m_file.reset();
        return false;
    }
    int code = 0;
    m_gif = EGifOpen(m_file.get(), writeToFile, &code);
    if (!m_gif)
        return fail(code);

    GifColorType colours[256] = {};
    for (int i = 0; i < qMin(256, palette.size()); ++i)
        colours[i] = { GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
            GifByteType(qBlue(palette[i])) };
    ColorMapObject* map = GifMakeMapObject(256, colours);
    EGifSetGifVersion(m_gif, true);
    const int described = EGifPutScreenDesc(m_gif, width, height, 8, 0, map);
    GifFreeMapObject(map);
    if (described == GIF_ERROR)
        return fail(m_gif->Error);

    // Loop for ever.
    const GifByteType netscape[] = { 'N', 'E', 'T', 'S', 'C', 'A', 'P', 'E', '2', '.', '0' };
    const GifByteType loop[] = { 1, 0, 0 };
    if (EGifPutExtensionLeader(m_gif, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR
        || EGifPutExtensionBlock(m_gif, sizeof netscape, netscape) == GIF_ERROR
        || EGifPutExtensionBlock(m_gif, sizeof loop, loop) == GIF_ERROR
        || EGifPutExtensionTrailer(m_gif) == GIF_ERROR)
        return fail(m_gif->Error);
    return true;
}

bool GifWriter::addFrame(const QByteArray& indices, int delayMs)
{
    if (!m_gif || indices.size() != m_width * m_height) {
        m_error = QStringLiteral("frame does not fit the picture");
        return false;
    }
    GraphicsControlBlock control {};
    control.DisposalMode = DISPOSE_DO_NOT;
    control.DelayTime = qMax(1, (delayMs + 5) / 10);
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    GifByteType extension[4];
    const size_t length = EGifGCBToExtension(&control, extension);
    if (EGifPutExtension(m_gif, GRAPHICS_EXT_FUNC_CODE, int(length), extension) == GIF_ERROR
        || EGifPutImageDesc(m_gif, 0, 0, m_width, m_height, false, nullptr) == GIF_ERROR)
        return fail(m_gif->Error);
    // giflib masks the line in place, so it gets a copy.
    QByteArray line(m_width, '\0');
    auto* pixels = reinterpret_cast<GifPixelType*>(line.data());
    for (int y = 0; y < m_height; ++y) {
        memcpy(pixels, indices.constData() + y * m_width, size_t(m_width));
        if (EGifPutLine(m_gif, pixels, m_width) == GIF_ERROR)
            return fail(m_gif->Error);
    }
    return true;
}

bool GifWriter::close()
{
    if (!m_gif)
        return false;
    int code = 0;
    const int closed = EGifCloseFile(m_gif, &code);
    m_gif = nullptr;
    if (closed == GIF_ERROR)
        return fail(code);
    const bool committed = m_file->commit();
    if (!committed)
        m_error = m_file->errorString();
    m_file.reset();
    return committed;
}
