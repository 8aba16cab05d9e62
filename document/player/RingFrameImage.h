#pragma once

#include "kamdeldocument_export.h"
#include "model/LedPanelTypes.h"
#include "model/RingGeometry.h"

#include <QByteArray>
#include <QImage>
#include <QPointF>
#include <QVector>

#include <bitset>

// A frame drawn as the panel shows it: four rings of 48 lit or dark LEDs on
// a round board, LED 0 of each ring at the top, seen from the given side
// (from the top the LEDs follow each other counter-clockwise, from the
// bottom clockwise, as on the editor's board). Every frame uses one small
// palette, so frames can go straight into an indexed image or a GIF.
class KAMDELDOCUMENT_EXPORT RingFrameImage
{
public:
    static constexpr int LedCount = RingGeometry::LedCount;
    static constexpr int MinimumSize = 128;
    static constexpr int MaximumSize = 4096;
    using Leds = std::bitset<LedCount>;

    // `size` is the width and height in pixels, kept within the limits above.
    RingFrameImage(int size, eLedPanelSide side);

    int size() const { return m_size; }
    eLedPanelSide side() const { return m_side; }
    QPointF ledCentre(int led) const;
    double ledRadius() const { return m_ledRadius; }

    // The drawing's proportions, for any drawing of the rings: where LED
    // `led` lies on a board of `boardRadius` around `centre`, and how large
    // an LED is there.
    static QPointF ledCentre(int led, eLedPanelSide side, const QPointF& centre, double boardRadius);
    static double ledRadius(double boardRadius);

    const QVector<QRgb>& palette() const { return m_palette; }
    // One palette index per pixel, row by row.
    QByteArray indices(const Leds& leds) const;
    QImage image(const Leds& leds) const;

private:
    double boardRadius() const { return m_size / 2.0 - m_size / 64.0; }
    QImage draw(bool lit) const;
    QByteArray toIndices(const QImage& picture);

    int m_size;
    eLedPanelSide m_side;
    double m_ledRadius = 1;
    QVector<QRgb> m_palette;
    QByteArray m_dark;
    QByteArray m_lit;
    // The LED each pixel belongs to, or -1.
    QVector<qint16> m_owner;
};
