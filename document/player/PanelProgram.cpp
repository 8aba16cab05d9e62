#include "PanelProgram.h"

namespace {
enum Opcode
{
    Stop = 0x00,
    Reset = 0x01,
    LedFrame = 0x03,
    Return = 0x04,
    Call = 0x05
};
constexpr int FrameSize = 1 + PanelProgram::BitmapSize;
constexpr int CallSize = 3;
}

PanelProgram::PanelProgram(Variant variant)
    : m_variant(variant)
    , m_memory(MemorySize, '\0')
    , m_msbFirst(variant == Variant::MsbFirst)
{
}

PanelProgram::StoreResult PanelProgram::storeBlock(int number, const QByteArray& bytes)
{
    if (!m_writing) {
        // A new write: what is left of the old program must not run on
        // behind the new one, so the memory reads as Stop again.
        m_memory.fill('\0');
        m_writing = true;
        m_expectedBlock = 0;
        m_writeEnd = 0;
    }
    const int expected = m_expectedBlock;
    m_expectedBlock = (number + 1) % 256;
    const int offset = number * BlockSize;
    if (offset + BlockSize > MemorySize)
        return StoreResult::BeyondMemory;
    m_memory.replace(offset, BlockSize, bytes.left(BlockSize));
    m_writeEnd = qMax(m_writeEnd, offset + BlockSize);
    return number == expected ? StoreResult::Stored : StoreResult::OutOfOrder;
}

QByteArray PanelProgram::takeOverImage()
{
    m_writing = false;
    m_imageSize = m_writeEnd;
    const QByteArray image = m_memory.left(m_imageSize);
    if (m_variant == Variant::Auto)
        m_msbFirst = image.size() >= 4 && image.startsWith(QByteArray(4, '\0'));
    restart();
    return image;
}

void PanelProgram::load(const QByteArray& image)
{
    m_writing = false;
    m_memory.fill('\0');
    m_writeEnd = 0;
    for (int n = 0; n * BlockSize < image.size(); ++n) {
        QByteArray block = image.mid(n * BlockSize, BlockSize);
        block.append(BlockSize - block.size(), '\0');
        storeBlock(n, block);
    }
    takeOverImage();
}

void PanelProgram::continueAt(int offset)
{
    m_pc = offset;
    m_stack.clear();
}

void PanelProgram::restart()
{
    m_pc = startOffset();
    m_frameCount = 0;
    m_stack.clear();
    m_leds.reset();
}

PanelProgram::Step PanelProgram::hold(const QString& reason, int offset, QStringList notes) const
{
    Step step;
    step.kind = Step::Hold;
    step.offset = offset;
    step.frameNumber = m_frameCount;
    step.holdReason = reason;
    step.notes = std::move(notes);
    return step;
}

PanelProgram::Step PanelProgram::next()
{
    QStringList notes;
    bool restarted = false;
    for (int steps = 0; steps < MaxStepsPerFrame; ++steps) {
        const int pc = m_pc;
        if (pc < 0 || pc >= MemorySize)
            return hold(QStringLiteral("END"), pc, notes);
        switch (byteAt(pc)) {
        case Stop:
            return hold(QStringLiteral("STOP"), pc, notes);
        case Reset:
            // Restarting twice without a frame between repeats itself forever.
            if (restarted)
                return hold(QStringLiteral("LOOP"), pc, notes);
            restarted = true;
            m_pc = startOffset();
            m_stack.clear();
            notes << QStringLiteral("RESTART at %1").arg(pc);
            break;
        case LedFrame: {
            if (pc + FrameSize > MemorySize)
                return hold(QStringLiteral("END"), pc, notes);
            for (int i = 0; i < LedCount; ++i) {
                const int bit = m_msbFirst ? 7 - i % 8 : i % 8;
                m_leds[i] = (byteAt(pc + 1 + i / 8) >> bit) & 1;
            }
            m_pc = pc + FrameSize;
            Step step;
            step.kind = Step::Frame;
            step.offset = pc;
            step.frameNumber = ++m_frameCount;
            step.notes = notes;
            return step;
        }
        case Return:
            if (m_stack.isEmpty())
                return hold(QStringLiteral("RETURN"), pc, notes);
            m_pc = m_stack.takeLast();
            break;
        case Call: {
            if (pc + CallSize > MemorySize)
                return hold(QStringLiteral("END"), pc, notes);
            const int address = byteAt(pc + 1) | (byteAt(pc + 2) << 8);
            const int target = addressToOffset(address);
            // The editor leaves call targets at zero; a call that leads
            // nowhere in the program is passed over rather than followed.
            if (address == 0 || target < startOffset() || target >= MemorySize) {
                notes << QStringLiteral("SKIP CALL %1 at %2").arg(address).arg(pc);
                m_pc = pc + CallSize;
                break;
            }
            if (m_stack.size() >= MaxCallDepth)
                return hold(QStringLiteral("STACK"), pc, notes);
            m_stack.append(pc + CallSize);
            m_pc = target;
            break;
        }
        default:
            notes << QStringLiteral("BADOP %1 at %2").arg(byteAt(pc), 2, 16, QLatin1Char('0')).arg(pc);
            return hold(QStringLiteral("BADOP"), pc, notes);
        }
    }
    return hold(QStringLiteral("LOOP"), m_pc, notes);
}

QString PanelProgram::ledsToHex(const std::bitset<LedCount>& leds)
{
    static const char digits[] = "0123456789abcdef";
    QString hex;
    hex.reserve(LedCount / 4);
    for (int d = 0; d < LedCount / 4; ++d) {
        int value = 0;
        for (int k = 0; k < 4; ++k)
            value = value << 1 | (leds[4 * d + k] ? 1 : 0);
        hex.append(QLatin1Char(digits[value]));
    }
    return hex;
}

QString PanelProgram::ledsToBits(const std::bitset<LedCount>& leds)
{
    QString bits(LedCount, QLatin1Char('0'));
    for (int i = 0; i < LedCount; ++i) {
        if (leds[i])
            bits[i] = QLatin1Char('1');
    }
    return bits;
}
