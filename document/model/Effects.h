#pragma once

#include "EffectRequest.h"
#include "kamdeldocument_export.h"

#include <QList>
#include <QString>
#include <QVector>

class LedStatesCommand;

// Animated patterns built from a few numbers. Frames hold 192 values in
// panel order (ring k / 48, position k mod 48; 0 off, 1 on); LEDs outside the
// selected rings stay off. A bad parameter yields no frames, and
// problem() says which.
namespace Effects {

constexpr int MaxFrames = 2000;

// How far frame `f` of `count` has gone when each frame goes `step` on at an
// even pace: step * f for Linear, the same end reached faster or slower for
// the others (rounded half up).
KAMDELDOCUMENT_EXPORT qint64 easedOffset(int step, int count, int f, EffectRequest::Ease ease);

// Comet-like runs: `heads` equal runs of `length` LEDs, moved by `step`
// positions per frame.
KAMDELDOCUMENT_EXPORT QList<QVector<int>> chase(int ringMask, int length, int heads, int step, int count,
    EffectRequest::Ease ease = EffectRequest::Linear);
// The frame turned by `step`, 2 x `step`, ... on the rings of `ringMask`, up
// to but not including the turn that shows it as it was; eased, the same
// frames at another pace.
KAMDELDOCUMENT_EXPORT QList<QVector<int>> spin(
    const QVector<int>& frame, int step, int ringMask, EffectRequest::Ease ease = EffectRequest::Linear);
// A run growing from `start` by `perFrame` LEDs per frame, position numbers
// rising with `direction` +1 and falling with -1; with `thenEmpty` it then
// shrinks the same way until the rings are dark.
KAMDELDOCUMENT_EXPORT QList<QVector<int>> fill(
    int ringMask, int start, int direction, int perFrame, bool thenEmpty);
// A band of `width` whole rings moving out (or in) one ring per frame, and
// back with `bounce`.
KAMDELDOCUMENT_EXPORT QList<QVector<int>> ripple(bool outward, int width, bool bounce);
// `frame`, then dark (or its inverse), `times` over.
KAMDELDOCUMENT_EXPORT QList<QVector<int>> blink(const QVector<int>& frame, int times, bool invert);
// From `from` to `to`, the differing LEDs switching in an order shuffled by
// `seed`; the last frame equals `to`.
KAMDELDOCUMENT_EXPORT QList<QVector<int>> dissolve(
    const QVector<int>& from, const QVector<int>& to, int count, quint32 seed);
// Random sparkle: every LED of the rings on with `density` percent chance,
// frame by frame, the chance moving evenly to `densityEnd` at the last
// frame (-1: staying at `density`).
KAMDELDOCUMENT_EXPORT QList<QVector<int>> twinkle(
    int ringMask, int density, int count, quint32 seed, int densityEnd = -1);

// The frames of `request`; `shown` is the frame Spin turns and Blink
// repeats, `to` where Dissolve ends (from `shown`).
KAMDELDOCUMENT_EXPORT QList<QVector<int>> generate(
    const EffectRequest& request, const QVector<int>& shown, const QVector<int>& to = {});
// Why generate() would give no frames; empty when it gives some.
KAMDELDOCUMENT_EXPORT QString problem(
    const EffectRequest& request, const QVector<int>& shown, const QVector<int>& to = {});

// The rings an effect draws on: the chosen ones, or every ring for the
// kinds that take whole frames (Ripple, Blink, Dissolve).
KAMDELDOCUMENT_EXPORT int ringsOf(const EffectRequest& request);

// One LED of an effect's frame `e` met with the frame it lands on `base`:
// 0 or 1, a base value of 1 or more counting as on.
KAMDELDOCUMENT_EXPORT int combined(int base, int e, EffectRequest::Combine how);

// The frames `effect` leaves in `list` (the frames of one list, numbered
// from 1) placed at frame `n` as `request` says: laid over, frame k takes
// the place of frame n + k and the frames past the list's end are added
// after it; inserted, every frame is new. A new frame's base is dark, or a
// copy of frame n with keepOtherRings (Spin inserts onto the frame it
// turns). Outside the effect's rings the base stays as it is.
KAMDELDOCUMENT_EXPORT QList<QVector<int>> placed(
    const EffectRequest& request, const QList<QVector<int>>& effect, const QList<QVector<int>>& list, int n);

// placed() over the frames of a list themselves, reading the values of only
// those the effect lands on.
KAMDELDOCUMENT_EXPORT QList<QVector<int>> placedOn(const EffectRequest& request,
    const QList<QVector<int>>& effect, const QList<LedStatesCommand*>& list, int n);

// "Spin", "Chase", ... as the menus and the history name them, and the
// lower-case word the command line and the settings use.
KAMDELDOCUMENT_EXPORT QString kindText(EffectRequest::Kind kind);
KAMDELDOCUMENT_EXPORT QString kindKey(EffectRequest::Kind kind);
// False for a word that names no kind.
KAMDELDOCUMENT_EXPORT bool kindFromKey(const QString& key, EffectRequest::Kind* kind);

} // namespace Effects
