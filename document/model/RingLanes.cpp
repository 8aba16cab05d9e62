#include "RingLanes.h"

#include "RingGeometry.h"

#include <QtMath>

namespace RingLanes {

int wrapPosition(int position)
{
    const int wrapped = position % RingGeometry::PositionsPerRing;
    return wrapped < 0 ? wrapped + RingGeometry::PositionsPerRing : wrapped;
}

int positionAt(int column, eLedPanelSide side)
{
    return side == Top ? wrapPosition(-column) : wrapPosition(column);
}

int ledAt(int ring, int column, eLedPanelSide side)
{
    return ring * RingGeometry::PositionsPerRing + positionAt(column, side);
}

int columnOf(int led, eLedPanelSide side)
{
    // Going backwards is its own inverse.
    return positionAt(RingGeometry::positionOf(led), side);
}

QVector<int> linePositions(int frameA, int posA, int frameB, int posB, bool longWay)
{
    const int half = RingGeometry::PositionsPerRing / 2;
    int distance = wrapPosition(posB - posA);
    if (distance > half)
        distance -= RingGeometry::PositionsPerRing;
    if (longWay && distance != 0)
        distance += distance > 0 ? -RingGeometry::PositionsPerRing : RingGeometry::PositionsPerRing;
    const int steps = qAbs(frameB - frameA);
    if (steps == 0)
        return { wrapPosition(posB) };
    QVector<int> positions;
    positions.reserve(steps + 1);
    for (int i = 0; i <= steps; ++i)
        positions.append(wrapPosition(posA + qRound(double(distance) * i / steps)));
    return positions;
}

} // namespace RingLanes
