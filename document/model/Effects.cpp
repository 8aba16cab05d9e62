#include "Effects.h"

#include "FrameTools.h"
#include "LedStatesCommand.h"

#include <QCoreApplication>
#include <QRandomGenerator>

namespace Effects {

namespace {

constexpr int Positions = FrameTools::PositionsPerRing;
constexpr int Rings = 4;
constexpr int Leds = Rings * Positions;

QString tr(const char* text)
{
    return QCoreApplication::translate("Effects", text);
}

// floor(a / b + 1/2) for b > 0, negative a included. The eased offset's
// product of step, frames and the fraction's numerator passes 64 bits for
// the largest steps the command line takes; the result itself fits.
qint64 roundedHalfUp(__int128 a, qint64 b)
{
    const __int128 top = 2 * a + b;
    const __int128 bottom = 2 * __int128(b);
    return qint64(top >= 0 ? top / bottom : -((-top + bottom - 1) / bottom));
}

int wrap(qint64 value)
{
    const int p = int(value % Positions);
    return p < 0 ? p + Positions : p;
}

bool selected(int ringMask, int ring)
{
    return ringMask & (1 << ring);
}

QString countProblem(int count)
{
    if (count < 1 || count > MaxFrames)
        return tr("The number of frames must lie between 1 and %1.").arg(MaxFrames);
    return QString();
}

QString chaseProblem(int length, int heads, int count)
{
    if (heads < 1 || Positions % heads != 0)
        return tr("The number of heads must divide 48 (1, 2, 3, 4, 6, 8, 12, 16, 24 or 48).");
    if (length < 1 || length > Positions / heads)
        return tr("The length must lie between 1 and %1 (48 / heads).").arg(Positions / heads);
    return countProblem(count);
}

QString fillProblem(int direction, int perFrame)
{
    if (direction != 1 && direction != -1)
        return tr("The direction must be 1 or -1.");
    if (perFrame < 1)
        return tr("The LEDs per frame must be at least 1.");
    return QString();
}

QString rippleProblem(int width)
{
    if (width < 1 || width > Rings)
        return tr("The width must lie between 1 and 4 rings.");
    return QString();
}

// Effects take whole frames of the panel; `start` is set for the frame an
// effect starts from, clear for the one it ends at.
QString frameProblem(const QVector<int>& frame, bool start)
{
    if (frame.size() == Leds)
        return QString();
    return start ? tr("There is no frame to start from: show one on the board.")
                 : tr("There is no frame to end at.");
}

QString blinkProblem(const QVector<int>& frame, int times)
{
    if (times < 1 || times > MaxFrames / 2)
        return tr("The number of blinks must lie between 1 and %1.").arg(MaxFrames / 2);
    return frameProblem(frame, true);
}

QString dissolveProblem(const QVector<int>& from, const QVector<int>& to, int count)
{
    QString problem = frameProblem(from, true);
    if (problem.isEmpty())
        problem = frameProblem(to, false);
    return problem.isEmpty() ? countProblem(count) : problem;
}

QString twinkleProblem(int density, int count, int densityEnd)
{
    if (density < 0 || density > 100 || densityEnd < -1 || densityEnd > 100)
        return tr("The density must lie between 0 and 100 percent.");
    return countProblem(count);
}

// Each LED of the selected rings lit when `lit(ring, position)` says so.
template <typename Lit> QVector<int> frameOf(int ringMask, Lit lit)
{
    QVector<int> frame(Leds, 0);
    for (int ring = 0; ring < Rings; ++ring) {
        if (!selected(ringMask, ring))
            continue;
        for (int p = 0; p < Positions; ++p)
            frame[ring * Positions + p] = lit(ring, p) ? 1 : 0;
    }
    return frame;
}

// A Fisher-Yates shuffle of its own, so that a seed gives the same order
// whatever standard library the program was built with.
void shuffle(QVector<int>* items, quint32 seed)
{
    QRandomGenerator random(seed);
    for (int i = items->size() - 1; i > 0; --i) {
        const int j = int(random.bounded(quint32(i + 1)));
        std::swap((*items)[i], (*items)[j]);
    }
}

} // namespace

qint64 easedOffset(int step, int count, int f, EffectRequest::Ease ease)
{
    if (count <= 1)
        return 0;
    // e(t) with t = f / d as the fraction num / den, kept in whole numbers
    // so that Linear gives step * f exactly.
    const qint64 d = count - 1;
    qint64 num = f;
    qint64 den = d;
    switch (ease) {
    case EffectRequest::Linear:
        return qint64(step) * f;
    case EffectRequest::EaseIn:
        num = qint64(f) * f;
        den = d * d;
        break;
    case EffectRequest::EaseOut:
        num = d * d - (d - f) * (d - f);
        den = d * d;
        break;
    case EffectRequest::EaseInOut:
        num = qint64(f) * f * (3 * d - 2 * f);
        den = d * d * d;
        break;
    }
    return roundedHalfUp(__int128(step) * d * num, den);
}

QList<QVector<int>> chase(int ringMask, int length, int heads, int step, int count, EffectRequest::Ease ease)
{
    if (!chaseProblem(length, heads, count).isEmpty())
        return {};
    const int period = Positions / heads;
    QList<QVector<int>> frames;
    frames.reserve(count);
    for (int f = 0; f < count; ++f) {
        const int shift = wrap(easedOffset(step, count, f, ease));
        frames.append(frameOf(ringMask, [=](int, int p) { return wrap(p - shift) % period < length; }));
    }
    return frames;
}

QList<QVector<int>> spin(const QVector<int>& frame, int step, int ringMask, EffectRequest::Ease ease)
{
    QList<QVector<int>> frames = FrameTools::spin(frame, step, ringMask);
    if (ease == EffectRequest::Linear)
        return frames;
    // Frame f is turn f + 1 of the even spin, which starts from the frame
    // itself at turn 0.
    const int count = frames.size();
    for (int f = 0; f < count; ++f)
        frames[f] = FrameTools::rotated(
            frame, int(easedOffset(step, count + 1, f + 1, ease) % Positions), ringMask);
    return frames;
}

QList<QVector<int>> fill(int ringMask, int start, int direction, int perFrame, bool thenEmpty)
{
    if (!fillProblem(direction, perFrame).isEmpty())
        return {};
    const int n = (Positions + perFrame - 1) / perFrame;
    const int origin = wrap(start);
    QList<QVector<int>> frames;
    for (int f = 0; f < (thenEmpty ? 2 * n : n); ++f) {
        const bool emptying = f >= n;
        const int c = int(qMin<qint64>(Positions, qint64((emptying ? f - n : f) + 1) * perFrame));
        frames.append(frameOf(ringMask, [=](int, int p) {
            const int i = wrap((p - origin) * direction);
            return emptying ? i >= c : i < c;
        }));
    }
    return frames;
}

QList<QVector<int>> ripple(bool outward, int width, bool bounce)
{
    if (!rippleProblem(width).isEmpty())
        return {};
    QList<QVector<int>> frames;
    for (int k = 0; k <= Rings - width; ++k) {
        const int first = outward ? k : Rings - 1 - k - width + 1;
        frames.append(frameOf(
            FrameTools::AllRings, [=](int ring, int) { return ring >= first && ring < first + width; }));
    }
    if (bounce) {
        for (int k = frames.size() - 2; k >= 1; --k)
            frames.append(frames.at(k));
    }
    return frames;
}

QList<QVector<int>> blink(const QVector<int>& frame, int times, bool invert)
{
    if (!blinkProblem(frame, times).isEmpty())
        return {};
    const QVector<int> other = invert ? FrameTools::inverted(frame) : QVector<int>(Leds, 0);
    QList<QVector<int>> frames;
    for (int t = 0; t < times; ++t)
        frames << frame << other;
    return frames;
}

QList<QVector<int>> dissolve(const QVector<int>& from, const QVector<int>& to, int count, quint32 seed)
{
    if (!dissolveProblem(from, to, count).isEmpty())
        return {};
    QVector<int> differing;
    for (int k = 0; k < Leds; ++k) {
        if (from.at(k) != to.at(k))
            differing.append(k);
    }
    shuffle(&differing, seed);
    const qint64 d = differing.size();
    QList<QVector<int>> frames;
    frames.reserve(count);
    QVector<int> frame = from;
    int switched = 0;
    for (int f = 0; f < count; ++f) {
        // round(d * (f + 1) / count), halves up.
        const int target = int((2 * d * (f + 1) + count) / (2 * qint64(count)));
        for (; switched < target; ++switched) {
            const int k = differing.at(switched);
            frame[k] = to.at(k);
        }
        frames.append(frame);
    }
    return frames;
}

QList<QVector<int>> twinkle(int ringMask, int density, int count, quint32 seed, int densityEnd)
{
    if (!twinkleProblem(density, count, densityEnd).isEmpty())
        return {};
    const int change = densityEnd < 0 ? 0 : densityEnd - density;
    QRandomGenerator random(seed);
    QList<QVector<int>> frames;
    frames.reserve(count);
    for (int f = 0; f < count; ++f) {
        const int chance = count > 1 ? density + int(roundedHalfUp(qint64(change) * f, count - 1)) : density;
        frames.append(frameOf(ringMask, [&](int, int) { return int(random.bounded(100u)) < chance; }));
    }
    return frames;
}

QList<QVector<int>> generate(const EffectRequest& request, const QVector<int>& shown, const QVector<int>& to)
{
    const EffectRequest& r = request;
    switch (r.kind) {
    case EffectRequest::Spin:
        return shown.size() == Leds ? spin(shown, r.step, r.ringMask, r.ease) : QList<QVector<int>>();
    case EffectRequest::Chase:
        return chase(r.ringMask, r.length, r.heads, r.step, r.count, r.ease);
    case EffectRequest::Fill:
        return fill(r.ringMask, r.start, r.direction, r.perFrame, r.thenEmpty);
    case EffectRequest::Ripple:
        return ripple(r.outward, r.width, r.bounce);
    case EffectRequest::Blink:
        return blink(shown, r.times, r.invert);
    case EffectRequest::Dissolve:
        return dissolve(shown, to, r.count, r.seed);
    case EffectRequest::Twinkle:
        return twinkle(r.ringMask, r.density, r.count, r.seed, r.densityEnd);
    }
    return {};
}

QString problem(const EffectRequest& request, const QVector<int>& shown, const QVector<int>& to)
{
    const EffectRequest& r = request;
    switch (r.kind) {
    case EffectRequest::Spin: {
        const QString problem = frameProblem(shown, true);
        if (!problem.isEmpty())
            return problem;
        if (FrameTools::spin(shown, r.step, r.ringMask).isEmpty())
            return tr("Turned by %1 positions the frame looks the same: the spin has no frames.").arg(r.step);
        return QString();
    }
    case EffectRequest::Chase:
        return chaseProblem(r.length, r.heads, r.count);
    case EffectRequest::Fill:
        return fillProblem(r.direction, r.perFrame);
    case EffectRequest::Ripple:
        return rippleProblem(r.width);
    case EffectRequest::Blink:
        return blinkProblem(shown, r.times);
    case EffectRequest::Dissolve:
        return dissolveProblem(shown, to, r.count);
    case EffectRequest::Twinkle:
        return twinkleProblem(r.density, r.count, r.densityEnd);
    }
    return tr("Unknown effect.");
}

int ringsOf(const EffectRequest& request)
{
    switch (request.kind) {
    case EffectRequest::Spin:
    case EffectRequest::Chase:
    case EffectRequest::Fill:
    case EffectRequest::Twinkle:
        return request.ringMask & FrameTools::AllRings;
    case EffectRequest::Ripple:
    case EffectRequest::Blink:
    case EffectRequest::Dissolve:
        break;
    }
    return FrameTools::AllRings;
}

int combined(int base, int e, EffectRequest::Combine how)
{
    const bool b = base >= 1;
    const bool lit = e >= 1;
    switch (how) {
    case EffectRequest::Replace:
        return lit;
    case EffectRequest::Add:
        return b || lit;
    case EffectRequest::Remove:
        return b && !lit;
    case EffectRequest::Toggle:
        return b != lit;
    }
    return lit;
}

QList<QVector<int>> placed(
    const EffectRequest& request, const QList<QVector<int>>& effect, const QList<QVector<int>>& list, int n)
{
    const int rings = ringsOf(request);
    const QVector<int> chosen = n >= 1 && n <= list.size() ? list.at(n - 1) : QVector<int>();
    const QVector<int> dark(Leds, 0);
    QList<QVector<int>> frames;
    frames.reserve(effect.size());
    for (int k = 0; k < effect.size(); ++k) {
        const QVector<int>& e = effect.at(k);
        const int existing = n - 1 + k;
        QVector<int> frame;
        if (request.over && existing >= 0 && existing < list.size())
            frame = list.at(existing);
        else if (request.keepOtherRings && chosen.size() == Leds)
            frame = chosen;
        else
            frame = request.kind == EffectRequest::Spin ? e : dark;
        if (frame.size() != Leds || e.size() != Leds) {
            frames.append(e);
            continue;
        }
        for (int led = 0; led < Leds; ++led) {
            if (selected(rings, led / Positions))
                frame[led] = combined(frame.at(led), e.at(led), request.combine);
        }
        frames.append(std::move(frame));
    }
    return frames;
}

QList<QVector<int>> placedOn(const EffectRequest& request, const QList<QVector<int>>& effect,
    const QList<LedStatesCommand*>& list, int n)
{
    // Laid over, the effect meets frames n to n + its length; inserted, only
    // frame n, which Keep copies.
    QList<QVector<int>> landing;
    const int last = n - 1 + (request.over ? effect.size() : 1);
    for (int k = qMax(n, 1) - 1; k < list.size() && k < last; ++k)
        landing.append(list.at(k)->values());
    return placed(request, effect, landing, n > 0 ? 1 : 0);
}

QString kindText(EffectRequest::Kind kind)
{
    static const char* const texts[] = { QT_TRANSLATE_NOOP("Effects", "Spin"),
        QT_TRANSLATE_NOOP("Effects", "Chase"), QT_TRANSLATE_NOOP("Effects", "Fill"),
        QT_TRANSLATE_NOOP("Effects", "Ripple"), QT_TRANSLATE_NOOP("Effects", "Blink"),
        QT_TRANSLATE_NOOP("Effects", "Dissolve"), QT_TRANSLATE_NOOP("Effects", "Twinkle") };
    return kind >= 0 && kind < EffectRequest::KindCount ? tr(texts[kind]) : QString();
}

QString kindKey(EffectRequest::Kind kind)
{
    static const char* const keys[] = { "spin", "chase", "fill", "ripple", "blink", "dissolve", "twinkle" };
    return kind >= 0 && kind < EffectRequest::KindCount ? QLatin1String(keys[kind]) : QString();
}

bool kindFromKey(const QString& key, EffectRequest::Kind* kind)
{
    for (int k = 0; k < EffectRequest::KindCount; ++k) {
        if (kindKey(EffectRequest::Kind(k)) == key) {
            *kind = EffectRequest::Kind(k);
            return true;
        }
    }
    return false;
}

} // namespace Effects
