#include "BoardPainter.h"

#include "StrokeFont.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const QColor Substrate(0xb9, 0xa7, 0x6a);
const QColor Laminate(0x7d, 0x76, 0x4c);
const QColor CopperUnderMask(0x2f, 0x8c, 0x4b);
const QColor Silkscreen(0xf2, 0xf2, 0xea);
const QColor ChipBody(0x24, 0x24, 0x26);
const QColor ChipMarking(0xa8, 0xa8, 0xa8);
const QColor SeeThrough(Qt::transparent);

// The middle of the gap between two LED positions.
constexpr double HalfStep = 0.5;

QPen roundPen(const QColor& colour, qreal width)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

} // namespace

BoardPainter::BoardPainter(const BoardGeometry& board, Side side)
    : m_board(board)
    , m_side(side)
{
    // Seen from below, left and right swap: the same mirror the editor
    // applies to its LEDs (x becomes the picture width minus x).
    if (side == Bottom)
        m_view = QTransform(-1, 0, 0, 1, board.size, 0);
}

qreal BoardPainter::maskOuter() const
{
    return m_board.outerRadius - 0.16 * m_board.ledSize;
}

qreal BoardPainter::maskInner() const
{
    return m_board.innerRadius + 0.16 * m_board.ledSize;
}

qreal BoardPainter::innerBandStart() const
{
    return m_board.innerRadius + 0.3 * m_board.ledSize;
}

qreal BoardPainter::innerBandEnd() const
{
    return m_board.radialStart - 1.15 * m_board.ledSize;
}

qreal BoardPainter::labelRadius() const
{
    return m_board.ringRadius(m_board.rings - 1) + 1.75 * m_board.ledSize;
}

qreal BoardPainter::holeRadius() const
{
    return 0.5 * (labelRadius() + maskOuter());
}

QImage BoardPainter::draw(int density) const
{
    QImage image(m_board.size * density, m_board.size * density, QImage::Format_ARGB32_Premultiplied);
    image.fill(SeeThrough);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setTransform(m_view * QTransform::fromScale(density, density));
    drawBoard(painter);
    drawTraces(painter);
    drawLedPads(painter);
    drawParts(painter);
    drawHoles(painter);
    drawSilkscreen(painter);
    painter.end();
    return image;
}

void BoardPainter::drawBoard(QPainter& painter) const
{
    const QPointF c = m_board.centre();
    QPainterPath board;
    board.addEllipse(c, m_board.outerRadius - 1, m_board.outerRadius - 1);
    board.addEllipse(c, m_board.innerRadius, m_board.innerRadius);
    painter.fillPath(board, Substrate);

    QPainterPath mask;
    mask.addEllipse(c, maskOuter(), maskOuter());
    mask.addEllipse(c, maskInner(), maskInner());
    painter.fillPath(mask, maskColour());
}

void BoardPainter::drawTraces(QPainter& painter) const
{
    const qreal s = m_board.ledSize;
    const QPointF c = m_board.centre();
    painter.setBrush(Qt::NoBrush);

    // Ground ring along the outer edge.
    painter.setPen(roundPen(CopperUnderMask, 0.3 * s));
    const qreal ground = maskOuter() - 0.35 * s;
    painter.drawEllipse(c, ground, ground);

    if (m_side == Top) {
        // LED matrix rows: one ring trace through every LED of a ring.
        painter.setPen(roundPen(CopperUnderMask, 0.2 * s));
        for (int ring = 0; ring < m_board.rings; ++ring) {
            const qreal r = m_board.ringRadius(ring);
            painter.drawEllipse(c, r, r);
        }
        // Each ring goes through a via to the driver on the other side.
        painter.setPen(roundPen(CopperUnderMask, 0.14 * s));
        for (int ring = 0; ring < m_board.rings; ++ring) {
            const double a = -45.0 - HalfStep * m_board.angularStep;
            const qreal r = m_board.ringRadius(ring);
            const QPointF via = m_board.polar(r + 0.5 * m_board.radialStep, a);
            painter.drawLine(m_board.polar(r, a), via);
            drawVia(painter, via, 0.16 * s);
        }
        return;
    }

    // LED matrix columns: one radial trace per position on the bottom.
    painter.setPen(roundPen(CopperUnderMask, 0.16 * s));
    const qreal last = m_board.ringRadius(m_board.rings - 1);
    for (int position = 0; position < m_board.positions; ++position) {
        const double a = m_board.angle(position);
        painter.drawLine(m_board.polar(m_board.radialStart - 0.9 * s, a), m_board.polar(last, a));
        drawVia(painter, m_board.polar(m_board.radialStart - 0.9 * s, a), 0.14 * s);
    }
    // Ring vias from the top side.
    for (int ring = 0; ring < m_board.rings; ++ring) {
        const double a = -45.0 - HalfStep * m_board.angularStep;
        drawVia(painter, m_board.polar(m_board.ringRadius(ring) + 0.5 * m_board.radialStep, a), 0.16 * s);
    }
}

void BoardPainter::drawLedPads(QPainter& painter) const
{
    const qreal s = m_board.ledSize;
    painter.setPen(Qt::NoPen);
    for (int ring = 0; ring < m_board.rings; ++ring) {
        for (int position = 0; position < m_board.positions; ++position) {
            const QPointF at = m_board.ledPosition(ring, position);
            painter.save();
            painter.translate(at);
            // Local axes: x along the ring, y pointing outwards.
            painter.rotate(m_board.angle(position) - 90.0);
            if (m_side == Top) {
                // Power LED footprint: thermal pad under the LED, one
                // electrode on each side.
                painter.setBrush(padColour());
                painter.drawRect(QRectF(-0.5 * s, -0.5 * s, s, s));
                painter.drawRect(QRectF(-0.92 * s, -0.55 * s, 0.26 * s, 1.1 * s));
                painter.drawRect(QRectF(0.66 * s, -0.55 * s, 0.26 * s, 1.1 * s));
            } else {
                // The underside: a round heat-sink pad and the electrode vias.
                painter.setBrush(padColour());
                painter.drawEllipse(QPointF(0, 0), 0.5 * s, 0.5 * s);
                drawVia(painter, QPointF(-0.78 * s, 0), 0.15 * s);
                drawVia(painter, QPointF(0.78 * s, 0), 0.15 * s);
                painter.setPen(Qt::NoPen);
            }
            painter.restore();
        }
    }
}

void BoardPainter::drawVia(QPainter& painter, const QPointF& at, qreal radius) const
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(padColour());
    painter.drawEllipse(at, radius, radius);
    painter.setBrush(Laminate.darker(250));
    painter.drawEllipse(at, 0.45 * radius, 0.45 * radius);
    painter.restore();
}

void BoardPainter::drawHole(QPainter& painter, const QPointF& at, qreal copperRadius) const
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(padColour());
    painter.drawEllipse(at, copperRadius, copperRadius);
    // A drilled hole: the board is not there.
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.setBrush(SeeThrough);
    painter.drawEllipse(at, 0.6 * copperRadius, 0.6 * copperRadius);
    painter.restore();
}

void BoardPainter::drawHoles(QPainter& painter) const
{
    const qreal s = m_board.ledSize;
    const qreal r = holeRadius();
    const qreal copper = qMin(0.9 * s, maskOuter() - r - 0.1 * s);
    for (double a : { 45.0, 135.0, 225.0, 315.0 })
        drawHole(painter, m_board.polar(r, a - HalfStep * m_board.angularStep), copper);

    // Fiducials for the pick-and-place machine: bare copper dots in a
    // clearing of the mask.
    painter.setPen(Qt::NoPen);
    for (double a : { 0.0, 180.0 }) {
        const QPointF at = m_board.polar(r, a - HalfStep * m_board.angularStep);
        painter.setBrush(Laminate);
        painter.drawEllipse(at, 0.45 * s, 0.45 * s);
        painter.setBrush(padColour());
        painter.drawEllipse(at, 0.2 * s, 0.2 * s);
    }
}

void BoardPainter::drawParts(QPainter& painter) const
{
    if (m_side != Bottom)
        return;
    const qreal band = innerBandEnd() - innerBandStart();
    const qreal middle = 0.5 * (innerBandStart() + innerBandEnd());

    // The microcontroller: a QFN with pads on four sides.
    const QPointF mcu = m_board.polar(middle, -45.0);
    const qreal body = 0.5 * band;
    painter.save();
    painter.translate(mcu);
    painter.setPen(Qt::NoPen);
    painter.setBrush(padColour());
    const int pins = 8;
    const qreal pitch = body / (pins + 1);
    for (int i = 0; i < pins; ++i) {
        const qreal along = -0.5 * body + (i + 1) * pitch;
        const QSizeF pad(0.45 * pitch, 0.16 * body);
        painter.drawRect(QRectF(QPointF(along - pad.width() / 2, -0.5 * body - 0.1 * body), pad));
        painter.drawRect(QRectF(QPointF(along - pad.width() / 2, 0.5 * body - 0.06 * body), pad));
        painter.drawRect(
            QRectF(QPointF(-0.5 * body - 0.1 * body, along - pad.width() / 2), pad.transposed()));
        painter.drawRect(
            QRectF(QPointF(0.5 * body - 0.06 * body, along - pad.width() / 2), pad.transposed()));
    }
    painter.setBrush(ChipBody);
    painter.drawRoundedRect(
        QRectF(-0.45 * body, -0.45 * body, 0.9 * body, 0.9 * body), 0.03 * body, 0.03 * body);
    painter.setBrush(ChipMarking);
    painter.drawEllipse(QPointF(-0.32 * body, -0.32 * body), 0.05 * body, 0.05 * body);
    painter.restore();
    label(painter, mcu, QStringLiteral("MSP430"), 0.065 * band, ChipMarking);

    // Boot-loader header: two rows of three plated holes.
    const QPointF header = m_board.polar(middle, -135.0);
    const qreal headerPitch = 0.22 * band;
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QPointF at = header + QPointF((column - 1) * headerPitch, (row - 0.5) * headerPitch);
            drawHole(painter, at, 0.32 * headerPitch);
        }
    }

    // Decoupling capacitors and a pull-up resistor beside the controller.
    painter.setPen(Qt::NoPen);
    const qreal chip = 0.1 * band;
    const auto smallPart = [&](const QPointF& at) {
        painter.setBrush(padColour());
        painter.drawRect(QRectF(at + QPointF(-chip, -0.4 * chip), QSizeF(0.7 * chip, 0.8 * chip)));
        painter.drawRect(QRectF(at + QPointF(0.3 * chip, -0.4 * chip), QSizeF(0.7 * chip, 0.8 * chip)));
    };
    smallPart(m_board.polar(middle, -45.0 - 26.0 * (band / middle)));
    smallPart(m_board.polar(middle, -45.0 + 26.0 * (band / middle)));
    smallPart(m_board.polar(middle, -135.0 + 34.0 * (band / middle)));
}

void BoardPainter::drawSilkscreen(QPainter& painter) const
{
    const qreal s = m_board.ledSize;
    const QPointF c = m_board.centre();

    // An outline around every LED footprint.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(Silkscreen, 0.06 * s));
    for (int ring = 0; ring < m_board.rings; ++ring) {
        for (int position = 0; position < m_board.positions; ++position)
            painter.drawEllipse(m_board.ledPosition(ring, position), 1.05 * s, 1.05 * s);
    }

    // Position marks outside the outer ring, ring marks between the rings,
    // counted from 1 as the LED table heads its columns and rows.
    // A mark keeps the same gap to its LED's outline whichever way it faces:
    // wide numbers at the sides sit further out than those at top and bottom.
    const qreal markHeight = 0.7 * s;
    const qreal outline = m_board.ringRadius(m_board.rings - 1) + 1.05 * s + 0.03 * s;
    for (int position = 0; position < m_board.positions; ++position) {
        const QString text = QString::number(position + 1);
        const QSizeF box = StrokeFont::path(text, markHeight).boundingRect().size()
            + QSizeF(1, 1) * StrokeFont::penWidth(markHeight);
        const double a = m_board.angle(position) * 0.017453292519943295;
        const qreal reach
            = 0.5 * (std::abs(std::cos(a)) * box.width() + std::abs(std::sin(a)) * box.height());
        label(painter, m_board.polar(outline + 0.3 * s + reach, m_board.angle(position)), text, markHeight,
            Silkscreen);
    }
    for (int ring = 0; ring < m_board.rings; ++ring) {
        const qreal r = m_board.ringRadius(ring) - 0.5 * m_board.radialStep;
        for (double a : { 0.0, 180.0 })
            label(painter, m_board.polar(r, a - HalfStep * m_board.angularStep),
                QStringLiteral("R%1").arg(ring + 1), markHeight, Silkscreen);
    }
    // Board marking in the inner band: model above, board and side below.
    const qreal band = innerBandEnd() - innerBandStart();
    const qreal middle = 0.5 * (innerBandStart() + innerBandEnd());
    const qreal textHeight = qMin(s, band / 3.0);
    const QString side = m_side == Top ? QStringLiteral("TOP") : QStringLiteral("BOT");
    label(painter, c + QPointF(0, -middle), m_board.model, textHeight, Silkscreen);
    label(painter, c + QPointF(0, middle), QStringLiteral("%1 %2").arg(m_board.pictureName, side), textHeight,
        Silkscreen);

    if (m_side == Bottom) {
        const qreal small = 0.09 * band;
        label(painter, m_board.polar(middle - 0.36 * band, -45.0), QStringLiteral("U1"), small, Silkscreen);
        const QPointF header = m_board.polar(middle, -135.0);
        label(painter, header + QPointF(0, 0.42 * band), QStringLiteral("J1 BSL"), small, Silkscreen);
        painter.setPen(roundPen(Silkscreen, 0.012 * band));
        painter.setBrush(Qt::NoBrush);
        const qreal pitch = 0.22 * band;
        painter.drawRect(
            QRectF(header - QPointF(1.6 * pitch, 1.05 * pitch), QSizeF(3.2 * pitch, 2.1 * pitch)));
    }
}

void BoardPainter::label(
    QPainter& painter, const QPointF& at, const QString& text, qreal height, const QColor& colour) const
{
    painter.save();
    const QPointF where = m_view.map(at);
    // Upright on either side: the mirror goes, the density's scale stays.
    const QTransform density = m_view.inverted() * painter.transform();
    painter.setTransform(QTransform::fromTranslate(where.x(), where.y()) * density);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(roundPen(colour, StrokeFont::penWidth(height)));
    painter.drawPath(StrokeFont::path(text, height));
    painter.restore();
}
