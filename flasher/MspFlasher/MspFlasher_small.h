#pragma once

#include "MspFlasher.h"

// Models whose application lies in one range below 64 KiB.
class ROMWRIGHT_EXPORT MspFlasher_small : public MspFlasher
{
    Q_OBJECT

public:
    explicit MspFlasher_small(const QString& mpu, QSerialPort* serialPort);
    ~MspFlasher_small() override;

    bool verifyDevice() override;
    bool eraseDevice() override;
    bool flashDevice() override;
    bool jumpToApplication() override;

    uint16_t crc_ccitt() const;
    QList<sRange> writableRanges() const override;
    uint16_t applicationChecksum() const override;

    // Filled in by the factory; a flasher left at zero refuses to flash.
    uint32_t crc_Addr = 0;
    uint32_t app_StartAddress = 0;
    uint32_t app_EndAddress = 0;
};
