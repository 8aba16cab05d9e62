#pragma once

#include <QImage>

// Turns a drawn picture into an 8-bit palette picture. A board has a handful
// of colours plus the blends at their edges, so the most frequent colours
// make a palette that loses almost nothing, and the editor decodes the result
// several times faster than a full-colour picture.
class PaletteQuantizer
{
public:
    static QImage toIndexed(const QImage& image, int maxColours = 256);
};
