#include "ImageReader.h"
#include "IntelHexReader.h"
#include "TiTxtReader.h"

#include <QCoreApplication>
#include <QTextStream>

bool ImageReader::read(const QByteArray& content)
{
    if (IntelHexReader::recognise(content)) {
        IntelHexReader reader;
        const bool ok = reader.read(content);
        return take(ok, reader.segments(), reader.errorLine(), reader.errorReason());
    }
    QTextStream stream(content, QIODevice::ReadOnly | QIODevice::Text);
    return readTiTxt(stream);
}

bool ImageReader::readTiTxt(QTextStream& stream)
{
    TiTxtReader reader;
    const bool ok = reader.read(stream);
    take(ok, reader.segments(), reader.errorLine(), reader.errorReason());
    // A file cut off mid-line still reads; only the missing mark can tell.
    if (ok && !reader.hasEndMark())
        m_Image.addWarning(QCoreApplication::translate(
            "ImageReader", "The file has no end mark 'q'; check that it is complete."));
    return ok;
}

bool ImageReader::take(bool ok, const QList<sMemory>& segments, int errorLine, const QString& errorReason)
{
    m_Image = FirmwareImage(segments);
    m_Error = errorReason.isEmpty()
        ? QString()
        : QCoreApplication::translate("ImageReader", "line %1: %2").arg(errorLine).arg(errorReason);
    return ok;
}
