#pragma once

#include "RingGeometry.h"
#include "RingLanes.h"

#include <QtGlobal>

// A place on the ring lanes counted in frames: frame numbers past the last
// frame lie below it, where drawing adds frames.
struct LaneSpot
{
    int frame = -1;
    int lane = -1;
    int column = -1;
    bool isValid() const { return frame >= 0 && lane >= 0 && column >= 0; }
    bool operator==(const LaneSpot& other) const
    {
        return frame == other.frame && lane == other.lane && column == other.column;
    }
};

// A block of frames x columns in one or more neighbouring lanes. Its columns
// run on from firstColumn and wrap round the ring, so that a block moved
// past the end of a lane stays whole.
struct LaneRange
{
    int firstFrame = 0;
    int frames = 0;
    int firstLane = 0;
    int lanes = 0;
    int firstColumn = 0;
    int columns = 0;

    bool isEmpty() const { return frames <= 0 || lanes <= 0 || columns <= 0; }
    int column(int i) const { return RingLanes::wrapPosition(firstColumn + i); }

    // The block with these two places at its corners.
    static LaneRange between(const LaneSpot& a, const LaneSpot& b)
    {
        LaneRange range;
        range.firstFrame = qMin(a.frame, b.frame);
        range.frames = qAbs(a.frame - b.frame) + 1;
        range.firstLane = qMin(a.lane, b.lane);
        range.lanes = qAbs(a.lane - b.lane) + 1;
        range.firstColumn = qMin(a.column, b.column);
        range.columns = qAbs(a.column - b.column) + 1;
        return range;
    }
};
