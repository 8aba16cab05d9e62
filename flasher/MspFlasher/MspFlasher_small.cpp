#include "MspFlasher_small.h"

MspFlasher_small::MspFlasher_small(const QString& mpu, QSerialPort* serialPort)
    : MspFlasher(mpu, serialPort)
{
}

MspFlasher_small::~MspFlasher_small() = default;

bool MspFlasher_small::verifyDevice()
{
    return requestVersion();
}

bool MspFlasher_small::eraseDevice()
{
    return requestErase();
}

bool MspFlasher_small::flashDevice()
{
    if (canceled() || !crc_Addr || !app_StartAddress || !app_EndAddress)
        return false;
    return writeImage(crc_Addr, crc_ccitt());
}

bool MspFlasher_small::jumpToApplication()
{
    return requestJump();
}

uint16_t MspFlasher_small::crc_ccitt() const
{
    return areaChecksum({ { app_StartAddress, app_EndAddress } });
}

// The checksum word itself is written too, so the writable memory starts at
// its address rather than at the checked range.
QList<MspFlasher::sRange> MspFlasher_small::writableRanges() const
{
    return { { crc_Addr, app_EndAddress } };
}

uint16_t MspFlasher_small::applicationChecksum() const
{
    return crc_ccitt();
}
