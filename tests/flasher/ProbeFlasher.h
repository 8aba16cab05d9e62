#pragma once

#include "MspFlasher/MspFlasher.h"

// Opens the protocol layer to the tests; the device operations are not
// needed here and fail.
class ProbeFlasher : public MspFlasher
{
public:
    explicit ProbeFlasher(QSerialPort* serialPort)
        : MspFlasher(QStringLiteral("probe"), serialPort)
    {
    }

    using MspFlasher::getResponse;
    using MspFlasher::sendCommand;
    using MspFlasher::sendDataArray;
    using MspFlasher::sendSingleByte;
    using MspFlasher::showError;

    bool verifyDevice() override { return false; }
    bool eraseDevice() override { return false; }
    bool flashDevice() override { return false; }
    bool jumpToApplication() override { return false; }
};
