#pragma once

#include "romwright_export.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

// Reads a firmware file whole, but only a regular file of a size a firmware
// can have: a device, a pipe or a huge file is refused before it is read,
// so that neither the window nor the command line can block or run out of
// memory on a wrong path.
class ROMWRIGHT_EXPORT FirmwareFile
{
    Q_DECLARE_TR_FUNCTIONS(FirmwareFile)

public:
    static constexpr qint64 MaxSize = 16 * 1024 * 1024;

    // False with a one-sentence reason in `error`.
    static bool read(const QString& path, QByteArray* content, QString* error);
};
