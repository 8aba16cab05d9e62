#include "FrameSource.h"

#include "RingGeometry.h"

#include <QRandomGenerator>
#include <QXmlStreamReader>

#include <cstring>

namespace {

const QByteArray Start = QByteArrayLiteral("<LedStates>");
const QByteArray End = QByteArrayLiteral("</LedStates>");
// The editor writes a frame in about 18 KB; a frame longer than this is in
// another form, and is left to the reader.
constexpr int MostFrameBytes = 64 * 1024;
constexpr int ChunkBytes = 256 * 1024;

// Reads the usual form of a frame, token by token.
struct Cursor
{
    const char* p;
    const char* end;

    void skipSpace()
    {
        while (p < end && (*p == ' ' || *p == '\n' || *p == '\r' || *p == '\t'))
            ++p;
    }
    bool literal(const char* text)
    {
        const auto n = std::strlen(text);
        if (end - p < qint64(n) || std::memcmp(p, text, n) != 0)
            return false;
        p += n;
        return true;
    }
    // A decimal number without sign or leading zeros, equal to `expected`.
    bool number(int expected)
    {
        const char* first = p;
        int value = 0;
        while (p < end && *p >= '0' && *p <= '9' && p - first < 9)
            value = value * 10 + (*p++ - '0');
        return p > first && (*first != '0' || p - first == 1) && value == expected;
    }
    bool digit(char* d)
    {
        if (p >= end || *p < '0' || *p > '9')
            return false;
        *d = *p++;
        return true;
    }
};

} // namespace

FrameSource::FrameSource(QIODevice* source, QObject* parent)
    : QIODevice(parent)
    , m_source(source)
    , m_target("kamdel-frame-" + QByteArray::number(QRandomGenerator::system()->generate64(), 16))
{
}

FrameSource::~FrameSource() = default;

bool FrameSource::unpack(const QXmlStreamReader& reader, int* states, int count) const
{
    if (reader.tokenType() != QXmlStreamReader::ProcessingInstruction
        || reader.processingInstructionTarget() != QLatin1String(m_target))
        return false;
    const QStringRef data = reader.processingInstructionData();
    if (data.size() != count)
        return false;
    for (int k = 0; k < count; ++k)
        states[k] = data.at(k).unicode() - '0';
    return true;
}

qint64 FrameSource::readData(char* data, qint64 maxSize)
{
    while (m_out.size() - m_outPos < maxSize && produce()) { }
    const qint64 n = qMin<qint64>(maxSize, m_out.size() - m_outPos);
    std::memcpy(data, m_out.constData() + m_outPos, size_t(n));
    m_outPos += int(n);
    if (m_outPos == m_out.size()) {
        m_out.clear();
        m_outPos = 0;
    }
    return n;
}

qint64 FrameSource::writeData(const char*, qint64)
{
    return -1;
}

bool FrameSource::readMore()
{
    m_in.remove(0, m_inPos);
    m_inPos = 0;
    const int had = m_in.size();
    m_in.resize(had + ChunkBytes);
    const qint64 n = m_source->read(m_in.data() + had, ChunkBytes);
    m_in.resize(had + int(qMax<qint64>(n, 0)));
    m_sourceDone = n <= 0;
    return !m_sourceDone;
}

bool FrameSource::produce()
{
    if (m_inPos >= m_in.size() && (m_sourceDone || !readMore()))
        return false;
    const int at = m_in.indexOf(Start, m_inPos);
    if (at < 0) {
        // The end may hold the first bytes of a start tag.
        const int keep = m_sourceDone ? 0 : Start.size() - 1;
        const int upTo = qMax(m_inPos, m_in.size() - keep);
        m_out.append(m_in.constData() + m_inPos, upTo - m_inPos);
        m_inPos = upTo;
        if (!m_sourceDone)
            readMore();
        return true;
    }
    m_out.append(m_in.constData() + m_inPos, at - m_inPos);
    m_inPos = at;
    QByteArray states;
    int end = 0;
    bool incomplete = false;
    if (packFrame(at, &states, &end, &incomplete)) {
        m_out += Start + "<?" + m_target + ' ' + states + "?>" + End;
        m_inPos = end;
    } else if (incomplete && !m_sourceDone) {
        readMore();
    } else {
        m_out += Start;
        m_inPos = at + Start.size();
    }
    return true;
}

bool FrameSource::packFrame(int from, QByteArray* states, int* end, bool* incomplete) const
{
    const int close = m_in.indexOf(End, from);
    const int available = m_in.size() - from;
    if (close < 0 || close - from > MostFrameBytes) {
        *incomplete = close < 0 && available <= MostFrameBytes;
        return false;
    }
    Cursor c { m_in.constData() + from + Start.size(), m_in.constData() + close + End.size() };
    states->resize(RingGeometry::LedCount);
    for (int k = 0; k < RingGeometry::LedCount; ++k) {
        c.skipSpace();
        if (!c.literal("<Led index=\"") || !c.number(k) || !c.literal("\">"))
            return false;
        c.skipSpace();
        if (!c.literal("<state>") || !c.digit(states->data() + k) || !c.literal("</state>"))
            return false;
        c.skipSpace();
        if (!c.literal("</Led>"))
            return false;
    }
    c.skipSpace();
    if (!c.literal("</LedStates>"))
        return false;
    *end = int(c.p - m_in.constData());
    return true;
}
