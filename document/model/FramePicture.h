#pragma once

#include "LedPanelTypes.h"
#include "kamdeldocument_export.h"

#include <QImage>

class LedStatesCommand;

// A small picture of a frame's rings for lists of frames: the lit LEDs as
// dots on the four rings, position 0 at the top, seen from the given side
// (counter-clockwise from the top, clockwise from the bottom, as the board).
class KAMDELDOCUMENT_EXPORT FramePicture
{
public:
    static QImage render(const LedStatesCommand* frame, int size, eLedPanelSide side = Top);
};
