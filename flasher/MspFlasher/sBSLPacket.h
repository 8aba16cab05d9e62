#pragma once

#include "sBSLPayload.h"

#include <cstdint>

// One boot-loader request, built on the stack for each exchange.
struct sBSLPacket
{
    uint8_t ui8Header = 0x80;
    // Payload bytes covered by the checksum: 1 for a bare command,
    // 4 + data length for a command with address and data.
    uint8_t ui8Length = 0;
    tBSLPayload tPayload;
    uint16_t ui16Checksum = 0;
};
using tBSLPacket = sBSLPacket;
