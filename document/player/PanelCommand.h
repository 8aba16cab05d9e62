#pragma once

#include "kamdeldocument_export.h"

#include <QByteArray>

// The words and program blocks the editor sends to a running panel. Each
// word is a 32-bit little-endian integer; a block word carries the block's
// number in its last byte and is followed by 32 bytes of the program image.
class KAMDELDOCUMENT_EXPORT PanelCommand
{
public:
    enum Word : quint8
    {
        Reset = 0x01,
        Next = 0x02,
        Block = 0x03,
    };

    static constexpr int BlockSize = 32;
    // The panel's program memory. Block numbers are one byte, so anything
    // past 8192 bytes would wrap around and overwrite the program's start.
    static constexpr int ProgramMemory = 8000;

    static QByteArray word(Word word);

    // The number of blocks an image of `imageSize` bytes is sent in.
    static int blockCount(int imageSize);

    // Header and 32 bytes of block `n`. Past the image's end the block is
    // filled with 0x00, the Stop opcode, so a panel that runs into the fill
    // stops instead of executing stale memory.
    static QByteArray block(const QByteArray& image, int n);
};
