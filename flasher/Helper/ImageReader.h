#pragma once

#include "FirmwareImage.h"
#include "romwright_export.h"

#include <QByteArray>
#include <QString>

class QTextStream;

// Reads a firmware file's content into an image, TI-TXT or Intel HEX, told
// apart by their content. A refused file leaves an empty image and an error
// that names the line.
class ROMWRIGHT_EXPORT ImageReader
{
public:
    bool read(const QByteArray& content);
    bool readTiTxt(QTextStream& stream);

    // The image of the last file read; empty when it was refused.
    const FirmwareImage& image() const { return m_Image; }
    // Where and why the last refused file was refused: "line 3: value 1FF is
    // not a byte"; empty when it was read.
    const QString& error() const { return m_Error; }

private:
    bool take(bool ok, const QList<sMemory>& segments, int errorLine, const QString& errorReason);

    FirmwareImage m_Image;
    QString m_Error;
};
