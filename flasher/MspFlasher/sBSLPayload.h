#pragma once

#include <cstdint>

// The part of a boot-loader request that the packet checksum covers.
struct sBSLPayload
{
    uint8_t ui8Command = 0;
    uint8_t ui8Addr_L = 0;
    uint8_t ui8Addr_M = 0;
    uint8_t ui8Addr_H = 0;
    // Not owned; valid only while the packet is being sent.
    const uint8_t* ui8pData = nullptr;
};
using tBSLPayload = sBSLPayload;
