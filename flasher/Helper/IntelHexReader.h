#pragma once

#include "MspFlasher/sMemory.h"
#include "romwright_export.h"

#include <QByteArray>
#include <QList>
#include <QString>

class QIODevice;

// Reads an Intel HEX image (data, end-of-file, extended segment and extended
// linear address records) into segments of contiguous bytes. Every record's
// checksum is checked; a refused file leaves no segments and names the line
// and the reason.
class ROMWRIGHT_EXPORT IntelHexReader
{
public:
    // True when the text starts like an Intel HEX file (a record mark before
    // anything else), which TI-TXT never does.
    static bool recognise(const QByteArray& text);

    bool read(const QByteArray& text);
    bool read(QIODevice* device);

    const QList<sMemory>& segments() const { return m_Segments; }
    int errorLine() const { return m_ErrorLine; }
    const QString& errorReason() const { return m_ErrorReason; }

private:
    bool readRecord(const QByteArray& line, bool* ended);
    void append(uint32_t address, char byte);
    bool refuse(const QString& reason);

    QList<sMemory> m_Segments;
    uint32_t m_Base = 0;
    int m_DataBytes = 0;
    int m_ErrorLine = 0;
    QString m_ErrorReason;
};
