#include "BslTarget.h"

#include <QCryptographicHash>
#include <QRegularExpression>

#include <algorithm>
#include <array>

namespace {

constexpr uint8_t Header = 0x80;
constexpr int MaxLength = 20;

constexpr uint8_t CmdWriteData = 0x10;
constexpr uint8_t CmdErase = 0x15;
constexpr uint8_t CmdVersion = 0x19;
constexpr uint8_t CmdJump = 0x1C;

constexpr uint8_t AnswerOk = 0x00;
constexpr uint8_t AnswerBadHeader = 0x51;
constexpr uint8_t AnswerBadCrc = 0x52;
constexpr uint8_t AnswerZeroLength = 0x53;
constexpr uint8_t AnswerBadLength = 0x54;
constexpr uint8_t AnswerJump = 0x55;
constexpr uint8_t AnswerNotWritable = 0xC5;
constexpr uint8_t AnswerUnknownCommand = 0xC6;

// Above the application and below 64 KiB, on every model.
constexpr uint32_t VectorFirst = 0xF800;
constexpr uint32_t VectorLast = 0xFFFF;

// The same rows as the flasher's model table, kept separately on purpose: the
// target must not share the code it checks.
constexpr BslTarget::Model Models[] = {
    { "Kamdel", 0x4000, 0x6000, 0xF7FF, 0x10000, 0x23FF7 },
    { "MSP430FR2512", 0xE300, 0xE303, 0xF7FF, 0, 0 },
    { "MSP430FR5729", 0xC200, 0xC203, 0xF7FF, 0, 0 },
    { "MSP430FR5992", 0x4000, 0x4003, 0xF7FF, 0x10000, 0x23FF7 },
    { "MSP430FR5994", 0x4000, 0x4003, 0xF7FF, 0x10000, 0x43FF7 },
};

std::array<uint16_t, 256> makeTable()
{
    std::array<uint16_t, 256> table {};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned value = i << 8;
        for (int bit = 0; bit < 8; ++bit)
            value = (value & 0x8000) ? (value << 1) ^ 0x1021 : value << 1;
        table[i] = static_cast<uint16_t>(value);
    }
    return table;
}

QString hex(unsigned value, int width)
{
    return QStringLiteral("%1").arg(value, width, 16, QLatin1Char('0'));
}

} // namespace

const BslTarget::Model* BslTarget::findModel(const QString& name)
{
    for (const Model& model : Models) {
        if (name == QLatin1String(model.name))
            return &model;
    }
    return nullptr;
}

QStringList BslTarget::modelNames()
{
    QStringList names;
    for (const Model& model : Models)
        names << QLatin1String(model.name);
    return names;
}

uint16_t BslTarget::crc16(uint16_t crc, const uint8_t* data, size_t size)
{
    static const std::array<uint16_t, 256> table = makeTable();
    for (size_t i = 0; i < size; ++i)
        crc = static_cast<uint16_t>((crc << 8) ^ table[((crc >> 8) ^ data[i]) & 0xFF]);
    return crc;
}

bool BslTarget::parseFault(const QString& text, Fault* fault)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(silent|corrupt|answer=([0-9a-fA-F]{1,2}))@([1-9][0-9]*)(\\+?)$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const QString kind = match.captured(1);
    if (kind == QLatin1String("silent"))
        fault->kind = FaultKind::Silent;
    else if (kind == QLatin1String("corrupt"))
        fault->kind = FaultKind::Corrupt;
    else
        fault->kind = FaultKind::Answer;
    fault->answer = static_cast<uint8_t>(match.captured(2).toUInt(nullptr, 16));
    fault->request = match.captured(3).toInt();
    fault->onward = !match.captured(4).isEmpty();
    return true;
}

BslTarget::BslTarget(const Model& model, int fill)
    : m_Model(model)
{
    const uint32_t top = std::max({ model.end, model.end2, VectorLast }) + 1;
    m_Memory.resize(static_cast<int>(top));
    // Unless told otherwise the device holds an "old application": neither
    // erased nor zero, so a skipped erase or a lost block shows.
    for (uint32_t address = 0; address < top; ++address)
        m_Memory[static_cast<int>(address)] = static_cast<char>(fill >= 0 ? fill : (address ^ 0x5A) & 0xFF);
}

bool BslTarget::feed(uint8_t byte, Reply* reply)
{
    switch (m_State) {
    case State::Header:
        if (byte != Header) {
            finish(AnswerBadHeader, QStringLiteral("bad-header byte=%1").arg(hex(byte, 2)), reply);
            return true;
        }
        m_State = State::Length;
        return false;
    case State::Length:
        if (byte == 0 || byte > MaxLength) {
            m_State = State::Header;
            finish(byte == 0 ? AnswerZeroLength : AnswerBadLength,
                QStringLiteral("bad-length len=%1").arg(byte), reply);
            return true;
        }
        m_Length = byte;
        m_Payload.clear();
        m_State = State::Payload;
        return false;
    case State::Payload:
        m_Payload.append(static_cast<char>(byte));
        if (m_Payload.size() == m_Length)
            m_State = State::CrcLow;
        return false;
    case State::CrcLow:
        m_ReceivedCrc = byte;
        m_State = State::CrcHigh;
        return false;
    case State::CrcHigh:
        m_ReceivedCrc = static_cast<uint16_t>(m_ReceivedCrc | (byte << 8));
        m_State = State::Header;
        execute(reply);
        return true;
    }
    return false;
}

void BslTarget::execute(Reply* reply)
{
    const auto* payload = reinterpret_cast<const uint8_t*>(m_Payload.constData());
    const uint8_t command = payload[0];
    const uint16_t crc = crc16(0xFFFF, payload, static_cast<size_t>(m_Payload.size()));
    if (crc != m_ReceivedCrc) {
        finish(AnswerBadCrc,
            QStringLiteral("bad-crc cmd=%1 crc=%2 expected=%3")
                .arg(hex(command, 2), hex(m_ReceivedCrc, 4), hex(crc, 4)),
            reply);
        return;
    }

    const Fault* fault = faultFor(m_Requests + 1);
    const bool apply = !fault || fault->kind == FaultKind::Corrupt;
    const bool bare = m_Length == 1;

    switch (command) {
    case CmdVersion:
        if (!bare)
            break;
        finish(m_VersionAnswer, QStringLiteral("version"), reply);
        return;
    case CmdErase:
        if (!bare)
            break;
        if (apply)
            erase();
        finish(AnswerOk, QStringLiteral("erase"), reply);
        return;
    case CmdJump: {
        if (!bare)
            break;
        QString what = QStringLiteral("jump");
        if (apply) {
            uint16_t computed = 0;
            uint16_t stored = 0;
            const bool valid = applicationValid(&computed, &stored);
            what += QStringLiteral(" app=%1 crc=%2 stored=%3")
                        .arg(valid ? QStringLiteral("valid") : QStringLiteral("invalid"), hex(computed, 4),
                            hex(stored, 4));
        }
        finish(AnswerJump, what, reply);
        reply->jumped = apply;
        return;
    }
    case CmdWriteData: {
        if (m_Length < 4)
            break;
        const uint32_t address = payload[1] | (payload[2] << 8) | (uint32_t(payload[3]) << 16);
        const int count = m_Length - 4;
        QString what = QStringLiteral("write addr=%1 len=%2").arg(hex(address, 6)).arg(count);
        uint8_t answer = AnswerOk;
        for (int i = 0; i < count; ++i) {
            const uint32_t at = address + static_cast<uint32_t>(i);
            if (!writable(at)) {
                // The bytes before the first refused one stay written.
                answer = AnswerNotWritable;
                what += QStringLiteral(" refused=%1").arg(hex(at, 6));
                break;
            }
            if (apply)
                m_Memory[static_cast<int>(at)] = static_cast<char>(payload[4 + i]);
        }
        finish(answer, what, reply);
        return;
    }
    default:
        finish(AnswerUnknownCommand, QStringLiteral("unknown cmd=%1").arg(hex(command, 2)), reply);
        return;
    }
    // A known command with the wrong payload size.
    finish(
        AnswerBadLength, QStringLiteral("bad-size cmd=%1 len=%2").arg(hex(command, 2)).arg(m_Length), reply);
}

void BslTarget::finish(uint8_t answer, const QString& what, Reply* reply)
{
    const int number = ++m_Requests;
    const Fault* fault = faultFor(number);
    *reply = Reply();
    reply->line = QStringLiteral("#%1 %2").arg(number).arg(what);
    if (!fault) {
        reply->answered = true;
        reply->answer = answer;
        reply->line += QStringLiteral(" answer=%1").arg(hex(answer, 2));
    } else if (fault->kind == FaultKind::Silent) {
        reply->line += QStringLiteral(" answer=none fault=silent");
    } else {
        reply->answered = true;
        reply->answer
            = fault->kind == FaultKind::Answer ? fault->answer : static_cast<uint8_t>(answer ^ 0x5A);
        reply->line += QStringLiteral(" answer=%1 fault=%2")
                           .arg(hex(reply->answer, 2),
                               fault->kind == FaultKind::Answer ? QStringLiteral("answer")
                                                                : QStringLiteral("corrupt"));
    }
    reply->closeLine = m_CloseAfter > 0 && number >= m_CloseAfter;
}

const BslTarget::Fault* BslTarget::faultFor(int request) const
{
    for (const Fault& fault : m_Faults) {
        if (fault.request == request || (fault.onward && request > fault.request))
            return &fault;
    }
    return nullptr;
}

bool BslTarget::writable(uint32_t address) const
{
    if (address >= m_Model.crcAddr && address <= m_Model.end)
        return true;
    if (address >= VectorFirst && address <= VectorLast)
        return !m_GuardVectors;
    return m_Model.start2 && address >= m_Model.start2 && address <= m_Model.end2;
}

void BslTarget::erase()
{
    char* memory = m_Memory.data();
    std::fill(memory + m_Model.crcAddr, memory + m_Model.end + 1, static_cast<char>(0xFF));
    if (m_Model.start2)
        std::fill(memory + m_Model.start2, memory + m_Model.end2 + 1, static_cast<char>(0xFF));
    if (!m_GuardVectors)
        std::fill(memory + VectorFirst, memory + VectorLast + 1, static_cast<char>(0xFF));
}

bool BslTarget::applicationValid(uint16_t* computed, uint16_t* stored) const
{
    const auto* memory = reinterpret_cast<const uint8_t*>(m_Memory.constData());
    uint16_t crc = crc16(0xFFFF, memory + m_Model.start, m_Model.end - m_Model.start + 1);
    if (m_Model.start2)
        crc = crc16(crc, memory + m_Model.start2, m_Model.end2 - m_Model.start2 + 1);
    *computed = crc;
    *stored = static_cast<uint16_t>(memory[m_Model.crcAddr] | (memory[m_Model.crcAddr + 1] << 8));
    return crc == *stored;
}

QByteArray BslTarget::writableImage() const
{
    QByteArray image = m_Memory.mid(
        static_cast<int>(m_Model.crcAddr), static_cast<int>(m_Model.end - m_Model.crcAddr + 1));
    if (m_Model.start2)
        image += m_Memory.mid(
            static_cast<int>(m_Model.start2), static_cast<int>(m_Model.end2 - m_Model.start2 + 1));
    return image;
}

QByteArray BslTarget::vectorArea() const
{
    return m_Memory.mid(static_cast<int>(VectorFirst), static_cast<int>(VectorLast - VectorFirst + 1));
}

QStringList BslTarget::summary() const
{
    uint16_t computed = 0;
    uint16_t stored = 0;
    const bool valid = applicationValid(&computed, &stored);
    const auto sha256 = [](const QByteArray& bytes) {
        return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex());
    };
    return { QStringLiteral("verdict app=%1 crc=%2 stored=%3")
                 .arg(valid ? QStringLiteral("valid") : QStringLiteral("invalid"), hex(computed, 4),
                     hex(stored, 4)),
        QStringLiteral("digest sha256=%1").arg(sha256(writableImage())),
        QStringLiteral("vectors sha256=%1").arg(sha256(vectorArea())) };
}
