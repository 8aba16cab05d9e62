#include "RingFrameImage.h"

#include <QHash>
#include <QPainter>
#include <QtMath>

namespace {
const QRgb Background = qRgb(0x20, 0x22, 0x25);
const QRgb Board = qRgb(0x14, 0x5a, 0x36);
const QRgb Dark = qRgb(0x3a, 0x3d, 0x3a);
const QRgb Lit = qRgb(0xff, 0x4a, 0x2a);
const QRgb Mark = qRgb(0xe8, 0xe8, 0xe0);
constexpr int BlendSteps = 60;

QRgb blend(QRgb a, QRgb b, double t)
{
    return qRgb(qRound(qRed(a) + (qRed(b) - qRed(a)) * t), qRound(qGreen(a) + (qGreen(b) - qGreen(a)) * t),
        qRound(qBlue(a) + (qBlue(b) - qBlue(a)) * t));
}

int distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b);
    const int g = qGreen(a) - qGreen(b);
    const int bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}
} // namespace

RingFrameImage::RingFrameImage(int size, eLedPanelSide side)
    : m_size(qBound(MinimumSize, size, MaximumSize))
    , m_side(side)
    , m_owner(m_size * m_size, -1)
{
    // Antialiased edges only ever mix the board with what lies on it, so
    // the blends of those pairs make a palette that holds every pixel.
    const QRgb pairs[][2] = { { Background, Board }, { Board, Dark }, { Board, Lit }, { Board, Mark } };
    for (const auto& pair : pairs) {
        for (int k = 0; k <= BlendSteps; ++k)
            m_palette.append(blend(pair[0], pair[1], double(k) / BlendSteps));
    }
    m_palette.resize(256);

    m_ledRadius = ledRadius(boardRadius());
    m_dark = toIndices(draw(false));
    m_lit = toIndices(draw(true));

    const double reach = m_ledRadius + 1.0;
    for (int led = 0; led < LedCount; ++led) {
        const QPointF c = ledCentre(led);
        for (int y = qMax(0, int(c.y() - reach)); y <= qMin(m_size - 1, int(c.y() + reach) + 1); ++y) {
            for (int x = qMax(0, int(c.x() - reach)); x <= qMin(m_size - 1, int(c.x() + reach) + 1); ++x) {
                const double dx = x + 0.5 - c.x();
                const double dy = y + 0.5 - c.y();
                if (dx * dx + dy * dy <= reach * reach)
                    m_owner[y * m_size + x] = qint16(led);
            }
        }
    }
}

QPointF RingFrameImage::ledCentre(int led) const
{
    return ledCentre(led, m_side, QPointF(m_size / 2.0, m_size / 2.0), boardRadius());
}

QPointF RingFrameImage::ledCentre(int led, eLedPanelSide side, const QPointF& centre, double boardRadius)
{
    // Rings between 54 % and 92 % of the board's radius, ring 0 innermost.
    const double radius = boardRadius * (0.54 + 0.127 * RingGeometry::ringOf(led));
    const double angle = qDegreesToRadians(RingGeometry::angleOf(led, side));
    return centre + QPointF(radius * qCos(angle), radius * qSin(angle));
}

double RingFrameImage::ledRadius(double boardRadius)
{
    return qMin(
        boardRadius * 0.127 * 0.36, 2.0 * M_PI * boardRadius * 0.54 / RingGeometry::PositionsPerRing * 0.36);
}

QImage RingFrameImage::draw(bool lit) const
{
    QImage picture(m_size, m_size, QImage::Format_RGB32);
    picture.fill(Background);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QPointF centre(m_size / 2.0, m_size / 2.0);
    const double board = boardRadius();
    painter.setBrush(QColor(Board));
    painter.drawEllipse(centre, board, board);

    // A mark outside LED 0 of the outer ring, so the start can be found.
    painter.setBrush(QColor(Mark));
    const QPointF outer = ledCentre(LedCount - RingGeometry::PositionsPerRing);
    const double markY = outer.y() - m_ledRadius * 2.2;
    painter.drawPolygon(QPolygonF({ QPointF(centre.x(), markY + m_ledRadius * 0.7),
        QPointF(centre.x() - m_ledRadius * 0.7, markY - m_ledRadius * 0.5),
        QPointF(centre.x() + m_ledRadius * 0.7, markY - m_ledRadius * 0.5) }));

    painter.setBrush(QColor(lit ? Lit : Dark));
    for (int led = 0; led < LedCount; ++led)
        painter.drawEllipse(ledCentre(led), m_ledRadius, m_ledRadius);
    return picture;
}

QByteArray RingFrameImage::toIndices(const QImage& picture)
{
    QByteArray out(m_size * m_size, '\0');
    QHash<QRgb, char> nearest;
    for (int y = 0; y < m_size; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < m_size; ++x) {
            const QRgb colour = line[x] | 0xff000000u;
            auto found = nearest.constFind(colour);
            if (found == nearest.constEnd()) {
                int best = 0;
                for (int i = 1; i < m_palette.size(); ++i) {
                    if (distance(m_palette.at(i), colour) < distance(m_palette.at(best), colour))
                        best = i;
                }
                found = nearest.insert(colour, char(best));
            }
            out[y * m_size + x] = *found;
        }
    }
    return out;
}

QByteArray RingFrameImage::indices(const Leds& leds) const
{
    QByteArray out = m_dark;
    char* data = out.data();
    const char* lit = m_lit.constData();
    for (int i = 0; i < m_owner.size(); ++i) {
        const int led = m_owner.at(i);
        if (led >= 0 && leds[size_t(led)])
            data[i] = lit[i];
    }
    return out;
}

QImage RingFrameImage::image(const Leds& leds) const
{
    QImage picture(m_size, m_size, QImage::Format_Indexed8);
    picture.setColorTable(m_palette);
    const QByteArray data = indices(leds);
    for (int y = 0; y < m_size; ++y)
        memcpy(picture.scanLine(y), data.constData() + y * m_size, size_t(m_size));
    return picture;
}
