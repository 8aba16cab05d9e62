#include "IntelHexReader.h"
#include "FirmwareFile.h"
#include "FirmwareImage.h"

#include <QCoreApplication>
#include <QIODevice>

#include <cctype>

namespace {

constexpr uint8_t RecordData = 0x00;
constexpr uint8_t RecordEnd = 0x01;
constexpr uint8_t RecordSegment = 0x02;
constexpr uint8_t RecordStartSegment = 0x03;
constexpr uint8_t RecordLinear = 0x04;
constexpr uint8_t RecordStartLinear = 0x05;

// Count, address, type, 255 data bytes and checksum, as digits.
constexpr int MaxRecordDigits = 2 * (1 + 2 + 1 + 255 + 1);

QString tr(const char* text)
{
    return QCoreApplication::translate("IntelHexReader", text);
}

QString hexText(uint32_t value, int width)
{
    return QStringLiteral("%1").arg(value, width, 16, QLatin1Char('0')).toUpper();
}

} // namespace

bool IntelHexReader::recognise(const QByteArray& text)
{
    for (const char c : text) {
        if (c == ':')
            return true;
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n')
            return false;
    }
    return false;
}

// Bounded like a firmware file: a device or pipe that never ends must not
// fill the memory.
bool IntelHexReader::read(QIODevice* device)
{
    const QByteArray text = device->read(FirmwareFile::MaxSize + 1);
    if (text.size() > FirmwareFile::MaxSize) {
        m_Segments.clear();
        m_ErrorLine = 0;
        return refuse(tr("more than 16 MiB of text"));
    }
    return read(text);
}

bool IntelHexReader::read(const QByteArray& text)
{
    m_Segments.clear();
    m_Base = 0;
    m_DataBytes = 0;
    m_ErrorLine = 0;
    m_ErrorReason.clear();

    bool ended = false;
    int number = 0;
    // Line by line in place: a list of copies of every line would double
    // the memory a large file takes.
    for (int start = 0; start < text.size();) {
        int end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        const QByteArray line = QByteArray::fromRawData(text.constData() + start, end - start).trimmed();
        start = end + 1;
        ++number;
        if (line.isEmpty())
            continue;
        m_ErrorLine = number;
        if (ended)
            return refuse(tr("record after the end-of-file record"));
        if (!readRecord(line, &ended))
            return false;
    }
    // The last line counts even when it is empty, as the editors show it.
    if (text.isEmpty() || text.endsWith('\n'))
        ++number;
    // A file cut short would flash half an application.
    if (!ended) {
        m_ErrorLine = number;
        return refuse(tr("no end-of-file record"));
    }
    m_ErrorLine = 0;
    return true;
}

bool IntelHexReader::readRecord(const QByteArray& line, bool* ended)
{
    if (line.at(0) != ':')
        return refuse(tr("record does not start with ':'"));
    const QByteArray hex = line.mid(1);
    if (hex.size() % 2 != 0 || hex.size() < 10)
        return refuse(tr("record is too short or has an odd number of digits"));
    if (hex.size() > MaxRecordDigits)
        return refuse(tr("record is longer than 255 data bytes allow"));
    for (const char c : hex) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return refuse(tr("'%1' is not a hexadecimal digit").arg(QLatin1Char(c)));
    }
    const QByteArray bytes = QByteArray::fromHex(hex);
    const auto* b = reinterpret_cast<const uint8_t*>(bytes.constData());
    const int count = b[0];
    if (bytes.size() != count + 5)
        return refuse(tr("length %1 does not match the record").arg(count));
    uint8_t sum = 0;
    for (const uint8_t byte : bytes)
        sum = static_cast<uint8_t>(sum + byte);
    if (sum != 0) {
        const uint8_t expected = static_cast<uint8_t>(b[count + 4] - sum);
        return refuse(tr("checksum %1 should be %2").arg(hexText(b[count + 4], 2), hexText(expected, 2)));
    }

    const uint16_t offset = static_cast<uint16_t>((b[1] << 8) | b[2]);
    const uint8_t type = b[3];
    const uint8_t* data = b + 4;
    switch (type) {
    case RecordData:
        for (int i = 0; i < count; ++i) {
            // The offset wraps within its 64 KiB window, as on a real loader.
            const uint32_t address = m_Base + static_cast<uint16_t>(offset + i);
            if (address >= FirmwareImage::AddressSpace)
                return refuse(tr("address %1 is beyond the 24-bit address space").arg(hexText(address, 1)));
            if (++m_DataBytes > FirmwareImage::MaxBytes)
                return refuse(FirmwareImage::tooMuchData());
            append(address, static_cast<char>(data[i]));
        }
        return true;
    case RecordEnd:
        if (count != 0)
            return refuse(tr("end-of-file record carries data"));
        *ended = true;
        return true;
    case RecordSegment:
    case RecordLinear:
        if (count != 2)
            return refuse(tr("address record must carry two bytes"));
        m_Base = static_cast<uint32_t>((data[0] << 8) | data[1]) << (type == RecordSegment ? 4 : 16);
        return true;
    case RecordStartSegment:
    case RecordStartLinear:
        // The boot loader starts the application itself; the entry point is
        // of no use here.
        if (count != 4)
            return refuse(tr("start address record must carry four bytes"));
        return true;
    default:
        return refuse(tr("unknown record type %1").arg(hexText(type, 2)));
    }
}

void IntelHexReader::append(uint32_t address, char byte)
{
    if (!m_Segments.isEmpty()) {
        sMemory& last = m_Segments.last();
        if (quint64(last.address) + quint64(last.data.size()) == address) {
            last.data.append(byte);
            return;
        }
    }
    sMemory segment;
    segment.address = address;
    segment.data.append(byte);
    m_Segments.append(segment);
}

bool IntelHexReader::refuse(const QString& reason)
{
    m_Segments.clear();
    m_ErrorReason = reason;
    return false;
}
