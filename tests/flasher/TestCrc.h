#pragma once

#include <QByteArray>

#include <cstdint>

// Bit-by-bit CRC-16/CCITT-FALSE, independent of the library's table version.
inline uint16_t testCrc16(const QByteArray& data, uint16_t crc = 0xFFFF)
{
    for (const char c : data) {
        crc ^= static_cast<uint16_t>(static_cast<uint8_t>(c) << 8);
        for (int bit = 0; bit < 8; ++bit)
            crc = static_cast<uint16_t>((crc & 0x8000) ? (crc << 1) ^ 0x1021 : crc << 1);
    }
    return crc;
}
