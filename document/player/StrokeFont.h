#pragma once

#include <QPainterPath>
#include <QString>

// Silkscreen lettering: capitals, digits and a few signs drawn as strokes on
// a 4 x 6 grid. The pictures need no font files and look the same on every
// machine.
class StrokeFont
{
public:
    // The text as open strokes, `height` high, centred on the origin.
    static QPainterPath path(const QString& text, qreal height);
    // Stroke width that suits lettering of `height`.
    static qreal penWidth(qreal height) { return height / 7.0; }
};
