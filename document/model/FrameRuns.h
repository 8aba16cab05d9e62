#pragma once

#include "kamdeldocument_export.h"

#include <QVector>

// Where the frames of a run go when it is held, repeated, reversed or played
// there and back, as indices into the run as it was. The first `length`
// entries are the run's own places (their frames take those values); the
// rest are new frames that follow the run's last frame.
namespace FrameRuns {

enum Kind
{
    // `count` copies of the run's last frame.
    Hold,
    // The whole run `count` more times.
    Repeat,
    // The run backwards, in place.
    Reverse,
    // The run backwards after it, without its last frame again: a..b becomes
    // a..b, b-1..a.
    PingPong
};

KAMDELDOCUMENT_EXPORT QVector<int> order(Kind kind, int length, int count);

} // namespace FrameRuns
