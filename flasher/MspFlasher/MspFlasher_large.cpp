#include "MspFlasher_large.h"

MspFlasher_large::MspFlasher_large(const QString& mpu, QSerialPort* serialPort)
    : MspFlasher(mpu, serialPort)
{
}

MspFlasher_large::~MspFlasher_large() = default;

bool MspFlasher_large::verifyDevice()
{
    return requestVersion();
}

bool MspFlasher_large::eraseDevice()
{
    return requestErase();
}

bool MspFlasher_large::flashDevice()
{
    if (canceled() || !crc_Addr || !app_StartAddress || !app_EndAddress || !app_StartAddress2
        || !app_EndAddress2)
        return false;
    return writeImage(crc_Addr, crc_ccitt());
}

bool MspFlasher_large::jumpToApplication()
{
    return requestJump();
}

uint16_t MspFlasher_large::crc_ccitt() const
{
    return areaChecksum({ { app_StartAddress, app_EndAddress }, { app_StartAddress2, app_EndAddress2 } });
}

// The checksum word itself is written too, so the writable memory starts at
// its address rather than at the checked range.
QList<MspFlasher::sRange> MspFlasher_large::writableRanges() const
{
    return { { crc_Addr, app_EndAddress }, { app_StartAddress2, app_EndAddress2 } };
}

uint16_t MspFlasher_large::applicationChecksum() const
{
    return crc_ccitt();
}
