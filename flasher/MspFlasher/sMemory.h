#pragma once

#include <QByteArray>

#include <cstdint>

// One contiguous run of image bytes as read from a TI-TXT file.
struct sMemory
{
    uint32_t address = 0;
    QByteArray data;
};
