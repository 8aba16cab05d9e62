#pragma once

#include "BoardGeometry.h"

#include <QColor>
#include <QImage>
#include <QTransform>

class QPainter;

// Draws one side of a ring board: outline, solder mask, traces, the LED pads
// at the layout's LED positions, mounting holes, parts and silkscreen. The
// bottom side is drawn as seen from below, mirrored left to right about the
// picture's centre line, exactly as the editor mirrors its LEDs.
class BoardPainter
{
public:
    enum Side
    {
        Top,
        Bottom
    };

    BoardPainter(const BoardGeometry& board, Side side);

    // `density` pixels per board unit: 2 for screens at 200 %.
    QImage draw(int density = 1) const;

    // Colours of the finished picture; the tests look for them.
    static QColor padColour() { return QColor(0xd8, 0xaa, 0x45); }
    static QColor maskColour() { return QColor(0x1d, 0x6a, 0x37); }

private:
    void drawBoard(QPainter& painter) const;
    void drawTraces(QPainter& painter) const;
    void drawLedPads(QPainter& painter) const;
    void drawHoles(QPainter& painter) const;
    void drawParts(QPainter& painter) const;
    void drawSilkscreen(QPainter& painter) const;

    void drawVia(QPainter& painter, const QPointF& at, qreal radius) const;
    void drawHole(QPainter& painter, const QPointF& at, qreal copperRadius) const;
    // Upright lettering centred on a board point, readable from either side.
    void label(
        QPainter& painter, const QPointF& at, const QString& text, qreal height, const QColor& colour) const;

    // Free bands of the board: inside ring 0 and outside the position marks.
    qreal innerBandStart() const;
    qreal innerBandEnd() const;
    qreal holeRadius() const;
    qreal labelRadius() const;
    qreal maskOuter() const;
    qreal maskInner() const;

    BoardGeometry m_board;
    Side m_side;
    QTransform m_view;
};
