#include "TiTxtReader.h"
#include "FirmwareImage.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("TiTxtReader", text);
}

// A token of a refused file as a message quotes it: its first 40 characters,
// so that a file of one endless token is not echoed whole.
QString quoted(const QStringRef& token)
{
    constexpr int QuotedChars = 40;
    if (token.size() <= QuotedChars)
        return token.toString();
    return token.left(QuotedChars) + QStringLiteral("...");
}

} // namespace

bool TiTxtReader::read(QTextStream& stream)
{
    m_Segments.clear();
    m_Current = sMemory();
    m_DataBytes = 0;
    m_LineNumber = 0;
    m_ErrorLine = 0;
    m_ErrorReason.clear();
    m_EndMark = false;
    while (!stream.atEnd()) {
        const QString line = stream.readLine();
        ++m_LineNumber;
        if (line.startsWith(QLatin1Char('q'))) {
            m_EndMark = true;
            break;
        }
        const bool ok = line.startsWith(QLatin1Char('@')) ? readAddress(line.midRef(1)) : readValues(line);
        if (!ok)
            return false;
    }
    closeSegment();
    return true;
}

bool TiTxtReader::readAddress(const QStringRef& text)
{
    closeSegment();
    bool ok = false;
    const uint address = text.toUInt(&ok, 16);
    if (!ok)
        return refuse(tr("address %1 is not a hexadecimal number").arg(quoted(text)));
    // The packet carries three address bytes; anything higher would
    // silently land at the wrong place.
    if (address >= FirmwareImage::AddressSpace)
        return refuse(tr("address %1 is beyond the 24-bit address space").arg(quoted(text)));
    m_Current.address = address;
    return true;
}

// Walked in place: a line of millions of values must not become a list of
// millions of parts first.
bool TiTxtReader::readValues(const QString& line)
{
    for (int at = 0; at < line.size();) {
        if (line.at(at) == QLatin1Char(' ')) {
            ++at;
            continue;
        }
        int end = line.indexOf(QLatin1Char(' '), at);
        if (end < 0)
            end = line.size();
        const QStringRef part = line.midRef(at, end - at);
        at = end;
        bool ok = false;
        const uint value = part.toUInt(&ok, 16);
        if (!ok)
            return refuse(tr("%1 is not a hexadecimal number").arg(quoted(part)));
        if (value > 0xFF)
            return refuse(tr("value %1 is not a byte").arg(quoted(part)));
        if (quint64(m_Current.address) + quint64(m_Current.data.size()) >= FirmwareImage::AddressSpace)
            return refuse(tr("data runs past the 24-bit address space"));
        if (++m_DataBytes > FirmwareImage::MaxBytes)
            return refuse(FirmwareImage::tooMuchData());
        m_Current.data.append(static_cast<char>(value));
    }
    return true;
}

// An address without data that follows starts no segment.
void TiTxtReader::closeSegment()
{
    if (!m_Current.data.isEmpty()) {
        m_Segments.append(m_Current);
        m_Current = sMemory();
    }
}

// A refused file must not leave half an image behind to be written later.
bool TiTxtReader::refuse(const QString& reason)
{
    m_Segments.clear();
    m_ErrorLine = m_LineNumber;
    m_ErrorReason = reason;
    return false;
}
