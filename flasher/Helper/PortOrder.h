#pragma once

#include "romwright_export.h"

#include <QString>

// The order people expect of port names: COM2 before COM10, COM10 before
// LPT1, ttyUSB2 before ttyUSB10.
class ROMWRIGHT_EXPORT PortOrder
{
public:
    static bool less(const QString& a, const QString& b);
};
