#pragma once

#include "romwright_export.h"

#include <array>
#include <cstddef>
#include <cstdint>

// Running 16-bit checksum accumulators.
class ROMWRIGHT_EXPORT CRC
{
public:
    virtual ~CRC();
    virtual void reset() = 0;
    virtual void add(uint8_t byte) = 0;
    virtual void add(const uint8_t* data, int size) = 0;
    virtual uint16_t crc() const { return m_crc; }

protected:
    uint16_t m_crc = 0;
};

// Plain byte sum modulo 65536.
class ROMWRIGHT_EXPORT CRC_SUM : public CRC
{
public:
    CRC_SUM();
    void reset() override;
    void add(uint8_t byte) override;
    void add(const uint8_t* data, int size) override;
};

// CRC-16/CCITT-FALSE: polynomial 0x1021, initial value 0xFFFF, not reflected,
// no final XOR.
class ROMWRIGHT_EXPORT CRC_CCITT : public CRC
{
public:
    CRC_CCITT();
    void reset() override;
    void add(uint8_t byte) override;
    void add(const uint8_t* data, int size) override;

private:
    std::array<uint16_t, 256> table;
};
