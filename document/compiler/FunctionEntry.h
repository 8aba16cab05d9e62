#pragma once

#include <QString>

// Start address of one compiled Collection.
struct FunctionEntry
{
    QString name;
    qint32 address = 0;
};
