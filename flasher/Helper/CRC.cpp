#include "CRC.h"

namespace {

constexpr std::array<uint16_t, 256> makeCcittTable()
{
    std::array<uint16_t, 256> table {};
    for (int i = 0; i < 256; ++i) {
        uint16_t value = static_cast<uint16_t>(i << 8);
        for (int bit = 0; bit < 8; ++bit)
            value = static_cast<uint16_t>((value & 0x8000) ? (value << 1) ^ 0x1021 : value << 1);
        table[static_cast<size_t>(i)] = value;
    }
    return table;
}

constexpr std::array<uint16_t, 256> ccittTable = makeCcittTable();

} // namespace

CRC::~CRC() = default;

CRC_SUM::CRC_SUM()
{
    CRC_SUM::reset();
}

void CRC_SUM::reset()
{
    m_crc = 0;
}

void CRC_SUM::add(uint8_t byte)
{
    m_crc = static_cast<uint16_t>(m_crc + byte);
}

void CRC_SUM::add(const uint8_t* data, int size)
{
    for (int i = 0; i < size; ++i)
        add(data[i]);
}

CRC_CCITT::CRC_CCITT()
    : table(ccittTable)
{
    CRC_CCITT::reset();
}

void CRC_CCITT::reset()
{
    m_crc = 0xFFFF;
}

void CRC_CCITT::add(uint8_t byte)
{
    m_crc = static_cast<uint16_t>((m_crc << 8) ^ table[static_cast<uint8_t>(byte ^ (m_crc >> 8))]);
}

void CRC_CCITT::add(const uint8_t* data, int size)
{
    for (int i = 0; i < size; ++i)
        add(data[i]);
}
