#include "BoardPictureCache.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QVector>

namespace {

struct Entry
{
    QDateTime modified;
    qint64 size = 0;
    QPixmap pixmap;
    QVector<QPixmap> levels; // index 0 unused: that is the picture itself
};

QHash<QString, Entry>& entries()
{
    static QHash<QString, Entry> cache;
    return cache;
}

void clearAtExit()
{
    // Pixmaps must not outlive the application object.
    entries().clear();
}

void clearWithApplication()
{
    static const bool registered = [] {
        qAddPostRoutine(clearAtExit);
        return true;
    }();
    Q_UNUSED(registered)
}

QPixmap decode(const QString& path)
{
    QImage image(path);
    if (image.isNull())
        return QPixmap();
    // Drawing reads the palette pixel by pixel as it goes; only the default
    // conversion would expand the picture to 32 bits per pixel.
    QPixmap pixmap = image.format() == QImage::Format_Indexed8
        ? QPixmap::fromImage(std::move(image), Qt::NoFormatConversion)
        : QPixmap::fromImage(std::move(image));
    // Named as Qt names a copy for screens at 200 %.
    if (QFileInfo(path).completeBaseName().endsWith(QLatin1String("@2x")))
        pixmap.setDevicePixelRatio(2);
    return pixmap;
}

// Adds up the premultiplied channels of one picture line, square by square:
// four sums (alpha, red, green, blue) per output pixel.
template <typename Fetch> void addLine(quint32* sums, int pictureWidth, int step, Fetch fetch)
{
    for (int x = 0; x < pictureWidth; x += step, sums += 4) {
        const int end = qMin(x + step, pictureWidth);
        quint32 alpha = 0, red = 0, green = 0, blue = 0;
        for (int sx = x; sx < end; ++sx) {
            const QRgb colour = fetch(sx);
            alpha += colour >> 24;
            red += (colour >> 16) & 0xff;
            green += (colour >> 8) & 0xff;
            blue += colour & 0xff;
        }
        sums[0] += alpha;
        sums[1] += red;
        sums[2] += green;
        sums[3] += blue;
    }
}

// Box filter over squares of 2^level pixels, in premultiplied colours so that
// see-through pixels do not darken the edges. Pixels past the picture's right
// and bottom edges count as see-through, so every output pixel covers exactly
// its square.
QImage reduce(const QImage& picture, int level)
{
    const int step = 1 << level;
    const int width = (picture.width() + step - 1) / step;
    const int height = (picture.height() + step - 1) / step;
    const bool indexed = picture.format() == QImage::Format_Indexed8;
    const QImage source = indexed ? picture : picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QVector<QRgb> palette;
    if (indexed) {
        palette = source.colorTable();
        palette.resize(256);
        for (QRgb& colour : palette)
            colour = qPremultiply(colour);
    }
    const QRgb* colours = palette.constData();

    QImage result(width, height, QImage::Format_ARGB32_Premultiplied);
    QVector<quint32> sums(4 * width);
    const quint32 area = quint32(step) * quint32(step);
    for (int y = 0; y < height; ++y) {
        sums.fill(0);
        for (int sy = y * step; sy < qMin((y + 1) * step, source.height()); ++sy) {
            const uchar* line = source.constScanLine(sy);
            if (indexed) {
                addLine(
                    sums.data(), source.width(), step, [line, colours](int x) { return colours[line[x]]; });
            } else {
                const auto* pixels = reinterpret_cast<const QRgb*>(line);
                addLine(sums.data(), source.width(), step, [pixels](int x) { return pixels[x]; });
            }
        }
        auto* out = reinterpret_cast<QRgb*>(result.scanLine(y));
        const quint32* sum = sums.constData();
        for (int x = 0; x < width; ++x, sum += 4) {
            const auto average = [area](quint32 total) { return int((total + area / 2) / area); };
            out[x] = qRgba(average(sum[1]), average(sum[2]), average(sum[3]), average(sum[0]));
        }
    }
    return result;
}

} // namespace

QPixmap BoardPictureCache::picture(const QString& path)
{
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile())
        return QPixmap();
    const QString key = file.absoluteFilePath();
    const QDateTime modified = file.lastModified();
    const qint64 size = file.size();

    QHash<QString, Entry>& cache = entries();
    QPixmap pixmap;
    const auto found = cache.constFind(key);
    if (found != cache.cend() && found->modified == modified && found->size == size) {
        pixmap = found->pixmap;
    } else {
        pixmap = decode(path);
        if (pixmap.isNull()) {
            cache.remove(key);
        } else {
            clearWithApplication();
            cache.insert(key, Entry { modified, size, pixmap, {} });
        }
    }
    // `pixmap` holds the one just handed out, so only stale ones go.
    dropUnused();
    return pixmap;
}

QPixmap BoardPictureCache::reduced(const QPixmap& picture, int level)
{
    if (picture.isNull() || level < 1 || level > 8)
        return QPixmap();
    for (Entry& entry : entries()) {
        if (entry.pixmap.cacheKey() != picture.cacheKey())
            continue;
        if (entry.levels.size() <= level)
            entry.levels.resize(level + 1);
        QPixmap& reduction = entry.levels[level];
        if (reduction.isNull())
            reduction = QPixmap::fromImage(reduce(entry.pixmap.toImage(), level));
        return reduction;
    }
    return QPixmap();
}

void BoardPictureCache::dropUnused()
{
    QHash<QString, Entry>& cache = entries();
    for (auto it = cache.begin(); it != cache.end();) {
        if (it->pixmap.isDetached())
            it = cache.erase(it);
        else
            ++it;
    }
}

int BoardPictureCache::count()
{
    return entries().size();
}
