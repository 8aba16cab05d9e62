#pragma once

#include "LedPanelTypes.h"

#include <QPointF>
#include <QtMath>

// The panel's LEDs: 4 concentric rings of 48 positions. LED k lies on ring
// k / 48 (ring 0 innermost) at position k mod 48, position 0 at the top and
// each next one 7.5 degrees further, clockwise as seen from the bottom of the
// board and counter-clockwise from the top. Every drawing, table and
// computation of frames takes its numbers from here.
namespace RingGeometry {

constexpr int Rings = 4;
constexpr int PositionsPerRing = 48;
constexpr int LedCount = Rings * PositionsPerRing;
constexpr double DegreesPerPosition = 360.0 / PositionsPerRing;

constexpr int ringOf(int led)
{
    return led / PositionsPerRing;
}

constexpr int positionOf(int led)
{
    return led % PositionsPerRing;
}

// The direction of LED `led` from the board's centre in degrees, on a drawing
// whose y axis points down: -90 is straight up.
inline double angleOf(int led, eLedPanelSide side)
{
    const double direction = side == Top ? -1.0 : 1.0;
    return -90.0 + direction * DegreesPerPosition * positionOf(led);
}

// Where LED `led` lies on a drawing with ring 0 at `innerRadius` from
// `centre` and `ringStep` between rings.
inline QPointF ledCentre(
    int led, eLedPanelSide side, const QPointF& centre, double innerRadius, double ringStep)
{
    const double radius = innerRadius + ringOf(led) * ringStep;
    const double angle = qDegreesToRadians(angleOf(led, side));
    return centre + QPointF(radius * qCos(angle), radius * qSin(angle));
}

} // namespace RingGeometry
