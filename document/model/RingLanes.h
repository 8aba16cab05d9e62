#pragma once

#include "LedPanelTypes.h"
#include "kamdeldocument_export.h"

#include <QVector>

// A ring unrolled into a lane: column c of ring r is the LED the board shows
// at the c-th place going clockwise from position 0, seen from `side`. From
// the bottom that is position c; from the top the positions run backwards.
namespace RingLanes {

KAMDELDOCUMENT_EXPORT int wrapPosition(int position);
KAMDELDOCUMENT_EXPORT int positionAt(int column, eLedPanelSide side);
KAMDELDOCUMENT_EXPORT int ledAt(int ring, int column, eLedPanelSide side);
KAMDELDOCUMENT_EXPORT int columnOf(int led, eLedPanelSide side);

// One position per frame from (frameA, posA) to (frameB, posB), in the
// order frameA to frameB, moving evenly: the short way round the ring, or
// the long way when asked. The ends are exact.
KAMDELDOCUMENT_EXPORT QVector<int> linePositions(int frameA, int posA, int frameB, int posB, bool longWay);

} // namespace RingLanes
