#pragma once

#include "MspFlasher/sMemory.h"
#include "romwright_export.h"

#include <QList>
#include <QString>

class QTextStream;

// Reads a TI-TXT image: "@ADDR" lines start a segment, lines of hexadecimal
// bytes fill it, "q" ends the file. A refused file leaves no segments and
// names the line and the reason.
class ROMWRIGHT_EXPORT TiTxtReader
{
public:
    bool read(QTextStream& stream);

    const QList<sMemory>& segments() const { return m_Segments; }
    int errorLine() const { return m_ErrorLine; }
    const QString& errorReason() const { return m_ErrorReason; }
    // The file ended with "q"; one cut off without it is read all the same.
    bool hasEndMark() const { return m_EndMark; }

private:
    bool readAddress(const QStringRef& text);
    bool readValues(const QString& line);
    void closeSegment();
    bool refuse(const QString& reason);

    QList<sMemory> m_Segments;
    sMemory m_Current;
    int m_DataBytes = 0;
    int m_LineNumber = 0;
    int m_ErrorLine = 0;
    QString m_ErrorReason;
    bool m_EndMark = false;
};
