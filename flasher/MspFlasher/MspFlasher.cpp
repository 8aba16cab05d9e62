#include "MspFlasher.h"

#include "Helper/CRC.h"
#include "Helper/PortIdentity.h"
#include "MspFlasher_large.h"
#include "MspFlasher_small.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSerialPort>
#include <QThread>

#include <algorithm>
#include <memory>

namespace {

constexpr uint8_t PacketHeader = 0x80;
constexpr uint8_t CmdWriteData = 0x10;
constexpr uint8_t CmdErase = 0x15;
constexpr uint8_t CmdVersion = 0x19;
constexpr uint8_t CmdJump = 0x1C;

constexpr char NoAnswer = static_cast<char>(-1);
constexpr int PollMs = 10;
constexpr int AnswerTimeoutMs = 1000;
// After the jump the application runs and the boot loader stays silent.
constexpr int JumpTimeoutMs = 20;
constexpr uint32_t BlockSize = 16;

struct ModelRow
{
    const char* name;
    bool large;
    uint32_t crcAddr;
    uint32_t start;
    uint32_t end;
    uint32_t start2;
    uint32_t end2;
};

constexpr ModelRow Models[] = {
    { "Kamdel", true, 0x4000, 0x6000, 0xF7FF, 0x10000, 0x23FF7 },
    { "MSP430FR2512", false, 0xE300, 0xE303, 0xF7FF, 0, 0 },
    { "MSP430FR5729", false, 0xC200, 0xC203, 0xF7FF, 0, 0 },
    { "MSP430FR5992", true, 0x4000, 0x4003, 0xF7FF, 0x10000, 0x23FF7 },
    { "MSP430FR5994", true, 0x4000, 0x4003, 0xF7FF, 0x10000, 0x43FF7 },
};

// The answer as a signed 8-bit number in lower-case hex: 0x85 is "-7b".
// QString::number would print a negative value in hex as its unsigned 64-bit form.
QString signedHex(char code)
{
    const int value = static_cast<qint8>(code);
    return value < 0 ? QLatin1Char('-') + QString::number(-value, 16) : QString::number(value, 16);
}

} // namespace

MspFlasher::MspFlasher(const QString& mpu, QSerialPort* serialPort)
    : m_MPU(mpu)
    , m_pSerialPort(serialPort)
    , m_Cancel(false)
{
    Q_ASSERT(!m_MPU.isEmpty());
    Q_ASSERT(m_pSerialPort);
}

MspFlasher::~MspFlasher() = default;

MspFlasher* MspFlasher::crate(const QString& mpu, QSerialPort* serialPort)
{
    for (const ModelRow& row : Models) {
        if (mpu != QLatin1String(row.name))
            continue;
        if (row.large) {
            auto flasher = std::make_unique<MspFlasher_large>(mpu, serialPort);
            flasher->crc_Addr = row.crcAddr;
            flasher->app_StartAddress = row.start;
            flasher->app_EndAddress = row.end;
            flasher->app_StartAddress2 = row.start2;
            flasher->app_EndAddress2 = row.end2;
            return flasher.release();
        }
        auto flasher = std::make_unique<MspFlasher_small>(mpu, serialPort);
        flasher->crc_Addr = row.crcAddr;
        flasher->app_StartAddress = row.start;
        flasher->app_EndAddress = row.end;
        return flasher.release();
    }
    return nullptr;
}

QStringList MspFlasher::modelNames()
{
    QStringList names;
    for (const ModelRow& row : Models)
        names << QLatin1String(row.name);
    return names;
}

QString MspFlasher::addressText(uint32_t address)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(address, 4, 16, QLatin1Char('0')).toUpper();
}

bool MspFlasher::readMemoryFile(QTextStream& stream)
{
    return m_Reader.readTiTxt(stream);
}

bool MspFlasher::readImage(const QByteArray& content)
{
    return m_Reader.read(content);
}

QString MspFlasher::readError() const
{
    return m_Reader.error();
}

QList<MspFlasher::sRange> MspFlasher::writableRanges() const
{
    return {};
}

uint16_t MspFlasher::applicationChecksum() const
{
    return 0;
}

bool MspFlasher::fitsMemory(uint32_t* offending) const
{
    return m_Reader.image().fits(writableRanges(), offending);
}

MspFlasher::VectorAreaUse MspFlasher::vectorAreaUse() const
{
    return m_Reader.image().vectorAreaUse();
}

QString MspFlasher::writableRangesText() const
{
    QStringList parts;
    for (const sRange& range : writableRanges())
        parts << addressText(range.first) + QLatin1Char('-') + addressText(range.last);
    return parts.join(QStringLiteral(", "));
}

void MspFlasher::init()
{
    m_Cancel = false;
    m_Unplugged = false;
}

// The port vanished (the driver says so, or its device file is gone), as
// opposed to a device that is there but silent.
bool MspFlasher::portGone() const
{
    return m_pSerialPort->error() == QSerialPort::ResourceError
        || !QFileInfo::exists(PortIdentity::deviceFile(*m_pSerialPort));
}

void MspFlasher::cancel()
{
    m_Cancel = true;
}

bool MspFlasher::canceled() const
{
    return m_Cancel || (m_pCancelFlag && *m_pCancelFlag != 0);
}

// The wait is measured on the clock, not counted in polls: on a busy machine
// each poll takes longer than its interval and a count would stretch the wait.
char MspFlasher::getResponse(int timeOut)
{
    if (!m_pSerialPort->isOpen())
        return NoAnswer;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        QCoreApplication::processEvents();
        // A port that is gone answers no more, however long one waits.
        if (!m_pSerialPort->isOpen() || portGone())
            return NoAnswer;
        m_Response = m_pSerialPort->readAll();
        if (!m_Response.isEmpty())
            return m_Response.back();
        const qint64 remaining = timeOut - clock.elapsed();
        if (remaining <= 0)
            return NoAnswer;
        // Wait out the poll interval, but take the answer the moment it comes.
        const int slice = static_cast<int>(std::min<qint64>(PollMs, remaining));
        QElapsedTimer waited;
        waited.start();
        if (m_pSerialPort->waitForReadyRead(slice)) {
            m_Response = m_pSerialPort->readAll();
            if (!m_Response.isEmpty())
                return m_Response.back();
        }
        const qint64 left = slice - waited.elapsed();
        if (left > 0)
            QThread::msleep(static_cast<unsigned long>(left));
    }
}

// A late answer to an earlier, timed-out request must not be taken for the
// answer to the next one: drop whatever is buffered, here and in the driver.
// Events are left to the wait for the answer, when the line is busy anyway;
// serving them here would delay every request.
void MspFlasher::drainInput()
{
    if (m_pSerialPort->isOpen()) {
        m_pSerialPort->readAll();
        m_pSerialPort->clear(QSerialPort::Input);
    }
    m_Response.clear();
}

void MspFlasher::sendSingleByte(char c)
{
    drainInput();
    if (!m_pSerialPort->isOpen())
        return;
    m_pSerialPort->write(&c, 1);
    m_pSerialPort->flush();
}

// Every request looks at the cancel flags itself, so that a signal that
// arrives between a caller's check and the send still stops it.
char MspFlasher::sendCommand(uint8_t cmd)
{
    if (!m_pSerialPort->isOpen() || canceled())
        return NoAnswer;
    tBSLPacket packet;
    packet.ui8Header = PacketHeader;
    packet.ui8Length = 1;
    packet.tPayload.ui8Command = cmd;
    packet.ui16Checksum = packetCRC(packet);
    sendPacket(packet);
    return getResponse(cmd == CmdJump ? JumpTimeoutMs : AnswerTimeoutMs);
}

char MspFlasher::sendDataArray(uint32_t addr, const uint8_t* data, uint32_t len)
{
    if (!m_pSerialPort->isOpen() || len == 0 || canceled())
        return NoAnswer;
    // Neither a length that wraps the length byte nor an address that loses
    // its top bits may reach the wire: both would write the wrong bytes.
    if (len > MaxDataPerPacket || quint64(addr) + len > FirmwareImage::AddressSpace)
        return NoAnswer;
    tBSLPacket packet;
    packet.ui8Header = PacketHeader;
    packet.ui8Length = static_cast<uint8_t>(len + 4);
    packet.tPayload.ui8Command = CmdWriteData;
    packet.tPayload.ui8Addr_L = static_cast<uint8_t>(addr);
    packet.tPayload.ui8Addr_M = static_cast<uint8_t>(addr >> 8);
    packet.tPayload.ui8Addr_H = static_cast<uint8_t>(addr >> 16);
    packet.tPayload.ui8pData = data;
    packet.ui16Checksum = packetCRC(packet);
    sendPacket(packet);
    return getResponse(AnswerTimeoutMs);
}

void MspFlasher::sendPacket(const tBSLPacket& packet)
{
    drainInput();
    if (!m_pSerialPort->isOpen())
        return;

    const tBSLPayload& payload = packet.tPayload;
    QByteArray wire;
    wire.reserve(packet.ui8Length + 4);
    wire.append(static_cast<char>(packet.ui8Header));
    wire.append(static_cast<char>(packet.ui8Length));
    wire.append(static_cast<char>(payload.ui8Command));
    if (packet.ui8Length > 1) {
        wire.append(static_cast<char>(payload.ui8Addr_L));
        wire.append(static_cast<char>(payload.ui8Addr_M));
        wire.append(static_cast<char>(payload.ui8Addr_H));
        if (packet.ui8Length > 4)
            wire.append(reinterpret_cast<const char*>(payload.ui8pData), packet.ui8Length - 4);
    }
    wire.append(static_cast<char>(packet.ui16Checksum & 0xFF));
    wire.append(static_cast<char>(packet.ui16Checksum >> 8));
    // One write keeps the line busy without gaps between the bytes.
    m_pSerialPort->write(wire);
    m_pSerialPort->flush();
    ++m_RequestsSent;
}

// A canceled operation ends without a message: its failure is the user's
// cancel, not the device's.
void MspFlasher::showError(char code)
{
    if (canceled())
        return;
    QString description;
    switch (static_cast<uint8_t>(code)) {
    case 0x51:
        description = tr("Incorrect header");
        break;
    case 0x52:
        description = tr("Packet checksum error");
        break;
    case 0x53:
        description = tr("Packet size is zero");
        break;
    case 0x54:
        description = tr("Packet size is invalid");
        break;
    case 0x55:
        description = tr("Error in protocol");
        break;
    case 0xFF:
        description = tr("Timeout");
        break;
    default:
        description = tr("unknown");
        break;
    }
    emit message(tr("Error: (%1) ").arg(signedHex(code)) + description);
}

uint16_t MspFlasher::packetCRC(tBSLPacket& packet)
{
    const tBSLPayload& payload = packet.tPayload;
    CRC_CCITT crc;
    for (int position = 0; position < packet.ui8Length; ++position) {
        switch (position) {
        case 0:
            crc.add(payload.ui8Command);
            break;
        case 1:
            crc.add(payload.ui8Addr_L);
            break;
        case 2:
            crc.add(payload.ui8Addr_M);
            break;
        case 3:
            crc.add(payload.ui8Addr_H);
            break;
        default:
            crc.add(payload.ui8pData[position - 4]);
            break;
        }
    }
    return crc.crc();
}

bool MspFlasher::requestVersion()
{
    if (canceled())
        return false;
    const char answer = sendCommand(CmdVersion);
    if (answer == NoAnswer) {
        showError(answer);
        return false;
    }
    if ((static_cast<uint8_t>(answer) & 0xF0) == 0xA0)
        return true;
    if (canceled())
        return false;
    emit message(tr("Error: (%1) Invalid version").arg(signedHex(answer)));
    return false;
}

bool MspFlasher::requestErase()
{
    if (canceled())
        return false;
    const char answer = sendCommand(CmdErase);
    if (answer == 0)
        return true;
    showError(answer);
    return false;
}

bool MspFlasher::writeImage(uint32_t crcAddr, uint16_t checksum)
{
    // Work on a copy: the event processing during the waits must not be able
    // to pull the image from under the loop.
    const QList<sMemory> image = memoryData();
    qint64 total = 1;
    for (const sMemory& segment : image)
        total += segment.data.size();
    const qint64 steps = total / BlockSize;
    emit progress(0);

    qint64 blocks = 0;
    int percent = 0;
    for (const sMemory& segment : image) {
        const auto* bytes = reinterpret_cast<const uint8_t*>(segment.data.constData());
        const uint32_t size = static_cast<uint32_t>(segment.data.size());
        for (uint32_t offset = 0; offset < size;) {
            if (canceled())
                return false;
            const uint32_t n = std::min(BlockSize, size - offset);
            const char answer = sendDataArray(segment.address + offset, bytes + offset, n);
            if (answer != 0)
                return writeFailed(answer, percent);
            offset += n;
            ++blocks;
            percent = steps ? static_cast<int>(blocks * 100 / steps) : 0;
            emit progress(percent);
        }
    }

    // A cancel during the last block still leaves the checksum unwritten.
    if (canceled())
        return false;
    const uint8_t crcBytes[2]
        = { static_cast<uint8_t>(checksum & 0xFF), static_cast<uint8_t>(checksum >> 8) };
    const char answer = sendDataArray(crcAddr, crcBytes, 2);
    return answer == 0 || writeFailed(answer, percent);
}

bool MspFlasher::writeFailed(char answer, int percent)
{
    if (answer != NoAnswer || canceled() || !portGone()) {
        showError(answer);
        return false;
    }
    m_Unplugged = true;
    emit message(tr("unplugged during write (%1 %)").arg(std::min(percent, 100)));
    return false;
}

bool MspFlasher::requestJump()
{
    if (canceled())
        return false;
    sendCommand(CmdJump);
    return true;
}

uint16_t MspFlasher::areaChecksum(std::initializer_list<sRange> ranges) const
{
    return m_Reader.image().checksum(ranges);
}
