#include "PaletteQuantizer.h"

#include <QHash>
#include <QVector>

#include <algorithm>
#include <limits>

namespace {

int distance(QRgb a, QRgb b)
{
    const int da = qAlpha(a) - qAlpha(b);
    const int dr = qRed(a) - qRed(b);
    const int dg = qGreen(a) - qGreen(b);
    const int db = qBlue(a) - qBlue(b);
    return da * da + dr * dr + dg * dg + db * db;
}

} // namespace

QImage PaletteQuantizer::toIndexed(const QImage& source, int maxColours)
{
    const QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int width = image.width();
    const int height = image.height();

    QHash<QRgb, qint64> counts;
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QRgb run = line[0];
        qint64 length = 0;
        for (int x = 0; x < width; ++x) {
            if (line[x] == run) {
                ++length;
                continue;
            }
            counts[run] += length;
            run = line[x];
            length = 1;
        }
        counts[run] += length;
    }

    QVector<QPair<qint64, QRgb>> byCount;
    byCount.reserve(counts.size());
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        byCount.append({ it.value(), it.key() });
    std::sort(byCount.begin(), byCount.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    const int size = std::min<int>(maxColours, byCount.size());

    QVector<QRgb> palette; // premultiplied, for matching
    QVector<QRgb> table; // straight alpha, for the file
    QHash<QRgb, uchar> index;
    for (int i = 0; i < size; ++i) {
        palette.append(byCount.at(i).second);
        table.append(qUnpremultiply(byCount.at(i).second));
        index.insert(byCount.at(i).second, uchar(i));
    }
    const auto indexOf = [&](QRgb colour) {
        const auto found = index.constFind(colour);
        if (found != index.cend())
            return found.value();
        int best = 0;
        int bestDistance = std::numeric_limits<int>::max();
        for (int i = 0; i < palette.size(); ++i) {
            const int d = distance(colour, palette.at(i));
            if (d < bestDistance) {
                best = i;
                bestDistance = d;
            }
        }
        index.insert(colour, uchar(best));
        return uchar(best);
    };

    QImage result(width, height, QImage::Format_Indexed8);
    result.setColorTable(table);
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = result.scanLine(y);
        QRgb last = in[0];
        uchar lastIndex = indexOf(last);
        for (int x = 0; x < width; ++x) {
            if (in[x] != last) {
                last = in[x];
                lastIndex = indexOf(last);
            }
            out[x] = lastIndex;
        }
    }
    return result;
}
