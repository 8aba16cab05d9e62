#pragma once

#include "kamdeldocument_export.h"

#include <QImage>

class LedStatesCommand;

// A small picture of a frame's rings for lists of frames: the lit LEDs as
// dots on the four rings, position 0 at the top, seen from the top side.
class KAMDELDOCUMENT_EXPORT FramePicture
{
public:
    static QImage render(const LedStatesCommand* frame, int size);
};
