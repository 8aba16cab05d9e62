#pragma once

#include "RingGeometry.h"
#include "kamdeldocument_export.h"

#include <QList>
#include <QVector>
#include <Qt>

// Pure operations on one frame of a ring panel: LED k stands in ring k / 48
// at position k mod 48. Values are 0 (off) or on (anything else).
namespace FrameTools {

constexpr int PositionsPerRing = RingGeometry::PositionsPerRing;
constexpr int AllRings = 0xF;

// In each ring whose bit is set in `ringMask` (bit r for ring r), the value
// at position p moves to (p + steps) mod 48; steps may be negative.
KAMDELDOCUMENT_EXPORT QVector<int> rotated(const QVector<int>& leds, int steps, int ringMask = AllRings);

// Qt::Vertical reflects across the vertical line through position 0
// (p to -p), Qt::Horizontal across the line through positions 12 and 36
// (p to 24 - p).
KAMDELDOCUMENT_EXPORT QVector<int> mirrored(const QVector<int>& leds, Qt::Orientation axis);

// Ring r moves to ring r + steps (positive is outward); rings moved past the
// edge are dropped, vacated rings are off.
KAMDELDOCUMENT_EXPORT QVector<int> shiftedRings(const QVector<int>& leds, int steps);

// Off becomes 1, anything on becomes 0.
KAMDELDOCUMENT_EXPORT QVector<int> inverted(const QVector<int>& leds);

// The sorted LED indices that a click on `led` sets under a rotational
// symmetry of `order` (a divisor of 48; 1 means none), with their
// reflections across the vertical axis when `mirror` is set.
KAMDELDOCUMENT_EXPORT QVector<int> symmetryImages(int led, int order, bool mirror);

// The frames rotated by steps, 2 x steps, ... up to but not including the
// first one equal to `leds`: empty for a pattern every rotation keeps.
KAMDELDOCUMENT_EXPORT QList<QVector<int>> spin(const QVector<int>& leds, int steps, int ringMask = AllRings);

} // namespace FrameTools
