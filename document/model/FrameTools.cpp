#include "FrameTools.h"

#include <algorithm>

namespace FrameTools {

namespace {

int wrap(int position)
{
    const int p = position % PositionsPerRing;
    return p < 0 ? p + PositionsPerRing : p;
}

int ringCount(const QVector<int>& leds)
{
    return leds.size() / PositionsPerRing;
}

// Moves every position of the chosen rings by `map`; LEDs past the last full
// ring stay as they are.
template <typename Map>
QVector<int> remapped(const QVector<int>& leds, int ringMask, Map map)
{
    QVector<int> result = leds;
    for (int ring = 0; ring < ringCount(leds); ++ring) {
        if (!(ringMask & (1 << ring)))
            continue;
        const int base = ring * PositionsPerRing;
        for (int p = 0; p < PositionsPerRing; ++p)
            result[base + wrap(map(p))] = leds.at(base + p);
    }
    return result;
}

} // namespace

QVector<int> rotated(const QVector<int>& leds, int steps, int ringMask)
{
    return remapped(leds, ringMask, [steps](int p) { return p + steps; });
}

QVector<int> mirrored(const QVector<int>& leds, Qt::Orientation axis)
{
    const int sum = axis == Qt::Vertical ? 0 : PositionsPerRing / 2;
    return remapped(leds, AllRings, [sum](int p) { return sum - p; });
}

QVector<int> shiftedRings(const QVector<int>& leds, int steps)
{
    QVector<int> result = leds;
    const int rings = ringCount(leds);
    std::fill(result.begin(), result.begin() + rings * PositionsPerRing, 0);
    for (int ring = 0; ring < rings; ++ring) {
        const int target = ring + steps;
        if (target < 0 || target >= rings)
            continue;
        std::copy_n(leds.cbegin() + ring * PositionsPerRing, PositionsPerRing,
                    result.begin() + target * PositionsPerRing);
    }
    return result;
}

QVector<int> inverted(const QVector<int>& leds)
{
    QVector<int> result(leds.size());
    std::transform(leds.cbegin(), leds.cend(), result.begin(), [](int value) { return value == 0 ? 1 : 0; });
    return result;
}

QVector<int> symmetryImages(int led, int order, bool mirror)
{
    if (led < 0)
        return {};
    if (order < 1 || PositionsPerRing % order != 0)
        order = 1;
    const int base = led - led % PositionsPerRing;
    const int position = led % PositionsPerRing;
    QVector<int> images;
    for (int k = 0; k < order; ++k) {
        const int p = wrap(position + k * (PositionsPerRing / order));
        images.append(base + p);
        if (mirror)
            images.append(base + wrap(-p));
    }
    std::sort(images.begin(), images.end());
    images.erase(std::unique(images.begin(), images.end()), images.end());
    return images;
}

QList<QVector<int>> spin(const QVector<int>& leds, int steps, int ringMask)
{
    QList<QVector<int>> frames;
    for (int k = 1; k <= PositionsPerRing; ++k) {
        QVector<int> frame = rotated(leds, k * steps, ringMask);
        if (frame == leds)
            break;
        frames.append(std::move(frame));
    }
    return frames;
}

} // namespace FrameTools
