#include "LedSampler.h"

#include <cmath>

namespace {

// A pixel's brightness over black, in 255ths of its strongest colour
// component: 0 to 255 x 255.
inline quint32 brightnessOf(QRgb pixel)
{
    return quint32(qMax(qRed(pixel), qMax(qGreen(pixel), qBlue(pixel)))) * quint32(qAlpha(pixel));
}

// A pixel is weighed by how many of its Steps x Steps sample points lie in
// a disc: FullPixel when all do.
constexpr int Steps = 16;
constexpr quint32 FullPixel = Steps * Steps;

// The part of pixel (x, y) inside the disc around `c`: how many of the
// pixel's sample points the disc holds. Counting whole pixels instead gave
// each LED a disc of its own jagged shape (a few pixels on small pictures),
// so the LEDs of one ring weighed a centred circle's edge differently. The
// points sit symmetrically in the pixel: mirrored LEDs get mirrored weights.
quint32 pixelShare(int x, int y, const QPointF& c, double radius)
{
    const double nearX = qBound(double(x), c.x(), x + 1.0) - c.x();
    const double nearY = qBound(double(y), c.y(), y + 1.0) - c.y();
    if (nearX * nearX + nearY * nearY > radius * radius)
        return 0;
    const double farX = qMax(qAbs(x - c.x()), qAbs(x + 1 - c.x()));
    const double farY = qMax(qAbs(y - c.y()), qAbs(y + 1 - c.y()));
    if (farX * farX + farY * farY <= radius * radius)
        return FullPixel;
    quint32 inside = 0;
    for (int j = 0; j < Steps; ++j) {
        const double dy = y + (j + 0.5) / Steps - c.y();
        for (int i = 0; i < Steps; ++i) {
            const double dx = x + (i + 0.5) / Steps - c.x();
            inside += dx * dx + dy * dy <= radius * radius ? 1 : 0;
        }
    }
    return inside;
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

// The disc around `c`, with the pixels that lie within a picture of `size`.
LedSampler::Disc LedSampler::discAt(const QPointF& c, double radius, const QSize& size)
{
    Disc disc;
    for (int y = int(std::floor(c.y() - radius)); y <= int(std::ceil(c.y() + radius)); ++y)
        addRow(&disc, y, c, radius, size);
    // A disc so small that it holds no sample point: the pixel under the
    // LED's centre stands for it.
    if (disc.area == 0) {
        disc.area = FullPixel;
        const int x = int(std::floor(c.x()));
        const int y = int(std::floor(c.y()));
        if (QRect(QPoint(0, 0), size).contains(x, y))
            disc.spans.push_back({ y, x, x + 1 });
    }
    for (const Span& span : disc.spans)
        disc.bounds |= QRect(span.x0, span.y, span.x1 - span.x0, 1);
    for (const Edge& edge : disc.edges)
        disc.bounds |= QRect(edge.x, edge.y, 1, 1);
    return disc;
}

void LedSampler::addRow(Disc* disc, int y, const QPointF& c, double radius, const QSize& size)
{
    const bool rowInPicture = y >= 0 && y < size.height();
    int runStart = -1;
    const auto endRun = [&](int x) {
        if (runStart >= 0)
            disc->spans.push_back({ y, runStart, x });
        runStart = -1;
    };
    const int last = int(std::ceil(c.x() + radius));
    for (int x = int(std::floor(c.x() - radius)); x <= last; ++x) {
        const quint32 share = pixelShare(x, y, c, radius);
        disc->area += share;
        if (share == 0 || !rowInPicture || x < 0 || x >= size.width()) {
            endRun(x);
        } else if (share < FullPixel) {
            endRun(x);
            disc->edges.push_back({ y, x, share });
        } else if (runStart < 0) {
            runStart = x;
        }
    }
    endRun(last + 1);
}

uchar LedSampler::levelOf(const QImage& picture, const Disc& disc)
{
    quint64 sum = 0;
    for (const Span& span : disc.spans) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(span.y));
        for (int x = span.x0; x < span.x1; ++x)
            sum += quint64(brightnessOf(line[x])) * FullPixel;
    }
    for (const Edge& edge : disc.edges) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(edge.y));
        sum += quint64(brightnessOf(line[edge.x])) * edge.weight;
    }
    return uchar(qMin<quint64>(100, sum * 100 / (255 * 255 * disc.area)));
}

void LedSampler::sample(const QImage& picture, const QRect& changed, Levels* levels) const
{
    for (size_t k = 0; k < m_discs.size(); ++k) {
        if (m_discs[k].bounds.intersects(changed))
            (*levels)[k] = levelOf(picture, m_discs[k]);
    }
}
