#include "LedSampler.h"

#include <cmath>

namespace {

// A pixel's brightness over black, in 255ths of its strongest colour
// component: 0 to 255 x 255.
inline quint32 brightnessOf(QRgb pixel)
{
    return quint32(qMax(qRed(pixel), qMax(qGreen(pixel), qBlue(pixel)))) * quint32(qAlpha(pixel));
}

} // namespace

LedSampler::LedSampler(const QSize& size)
    : m_discs(2 * LedCount)
{
    const double square = qMax(size.width(), size.height());
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const double board = square / 2.0 - square / 64.0;
    const double radius = RingFrameImage::ledRadius(board);
    for (int k = 0; k < 2 * LedCount; ++k) {
        const QPointF c = RingFrameImage::ledCentre(k % LedCount, k < LedCount ? Top : Bottom, centre, board);
        m_discs[size_t(k)] = discAt(c, radius, size);
    }
}

// The rows of the disc around `c` that lie within a picture of `size`.
LedSampler::Disc LedSampler::discAt(const QPointF& c, double radius, const QSize& size)
{
    const int width = size.width();
    const int height = size.height();
    Disc disc;
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
    // A picture so small that no pixel centre lies in the disc: the pixel
    // under the LED's centre stands for it.
    if (disc.pixels == 0) {
        disc.pixels = 1;
        const int x = int(std::floor(c.x()));
        const int y = int(std::floor(c.y()));
        if (x >= 0 && x < width && y >= 0 && y < height)
            disc.spans.push_back({ y, x, x + 1 });
    }
    for (const Span& span : disc.spans)
        disc.bounds |= QRect(span.x0, span.y, span.x1 - span.x0, 1);
    return disc;
}

uchar LedSampler::levelOf(const QImage& picture, const Disc& disc)
{
    quint64 sum = 0;
    for (const Span& span : disc.spans) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(span.y));
        for (int x = span.x0; x < span.x1; ++x)
            sum += brightnessOf(line[x]);
    }
    return uchar(qMin<quint64>(100, sum * 100 / (255 * 255 * disc.pixels)));
}

void LedSampler::sample(const QImage& picture, const QRect& changed, Levels* levels) const
{
    for (size_t k = 0; k < m_discs.size(); ++k) {
        if (m_discs[k].bounds.intersects(changed))
            (*levels)[k] = levelOf(picture, m_discs[k]);
    }
}
