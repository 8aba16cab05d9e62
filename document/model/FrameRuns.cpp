#include "FrameRuns.h"

#include <algorithm>
#include <numeric>

namespace FrameRuns {

QVector<int> order(Kind kind, int length, int count)
{
    if (length <= 0)
        return {};
    QVector<int> places(length);
    std::iota(places.begin(), places.end(), 0);
    switch (kind) {
    case Hold:
        places.insert(places.size(), qMax(count, 0), length - 1);
        break;
    case Repeat: {
        const QVector<int> once = places;
        for (int k = 0; k < count; ++k)
            places += once;
        break;
    }
    case Reverse:
        std::reverse(places.begin(), places.end());
        break;
    case PingPong:
        for (int k = length - 2; k >= 0; --k)
            places.append(k);
        break;
    }
    return places;
}

} // namespace FrameRuns
