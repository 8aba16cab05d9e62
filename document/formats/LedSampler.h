#pragma once

#include "player/RingFrameImage.h"

#include <QImage>
#include <QRect>
#include <QSize>

#include <array>
#include <vector>

// The LEDs of the ring drawing laid over a picture fitted centred into the
// drawing's square (the part of the square outside the picture counts as
// black): each LED takes the mean brightness of its disc, each pixel counting
// with the share of its area inside the disc. A pixel's brightness is its
// strongest colour component over black, so a lit LED of any colour counts
// as bright.
class LedSampler
{
public:
    static constexpr int LedCount = RingFrameImage::LedCount;
    // Every LED's brightness in whole percent, rounded down so that a
    // threshold of whole percent compares exactly: the LEDs seen from the
    // top, then from the bottom.
    using Levels = std::array<uchar, 2 * LedCount>;

    // The discs for pictures of `size`.
    explicit LedSampler(const QSize& size);

    // Takes the levels of the LEDs whose disc meets `changed` from the
    // picture; the others keep theirs.
    void sample(const QImage& picture, const QRect& changed, Levels* levels) const;

private:
    // Pixels x0 to x1 - 1 of row y, wholly inside an LED's disc.
    struct Span
    {
        int y;
        int x0;
        int x1;
    };
    // A pixel the disc's rim crosses, with the part of it inside the disc.
    struct Edge
    {
        int y;
        int x;
        quint32 weight;
    };

    struct Disc
    {
        QRect bounds;
        std::vector<Span> spans;
        std::vector<Edge> edges;
        // In weights, the part outside the picture included.
        quint64 area = 0;
    };

    static Disc discAt(const QPointF& centre, double radius, const QSize& size);
    static void addRow(Disc* disc, int y, const QPointF& centre, double radius, const QSize& size);
    static uchar levelOf(const QImage& picture, const Disc& disc);

    std::vector<Disc> m_discs;
};
