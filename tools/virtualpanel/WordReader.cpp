#include "WordReader.h"

namespace {
constexpr char ResetCode = 0x01;
constexpr char NextCode = 0x02;
constexpr char BlockCode = 0x03;
}

WordReader::Match WordReader::matchHead() const
{
    const int n = m_buffer.size();
    const char code = m_buffer.at(0);
    if (code != ResetCode && code != NextCode && code != BlockCode)
        return Match::None;
    if ((n > 1 && m_buffer.at(1) != 0) || (n > 2 && m_buffer.at(2) != 0))
        return Match::None;
    if (n > 3 && code != BlockCode && m_buffer.at(3) != 0)
        return Match::None;
    return n >= WordSize ? Match::Word : Match::Prefix;
}

void WordReader::reportUnknown(QVector<Event>& events)
{
    if (m_unknown.isEmpty())
        return;
    events.append({ Event::Unknown, -1, m_unknown });
    m_unknown.clear();
}

void WordReader::dropUnknownByte(QVector<Event>& events)
{
    m_unknown.append(m_buffer.at(0));
    m_buffer.remove(0, 1);
    if (m_unknown.size() >= MaxUnknownRun)
        reportUnknown(events);
}

QVector<WordReader::Event> WordReader::feed(const QByteArray& data)
{
    QVector<Event> events;
    m_buffer.append(data);
    while (!m_buffer.isEmpty()) {
        const Match match = matchHead();
        if (match == Match::None) {
            // Resynchronise byte by byte, so that one stray byte does not
            // shift every word after it.
            dropUnknownByte(events);
            continue;
        }
        if (match == Match::Prefix)
            break;
        const char code = m_buffer.at(0);
        if (code == BlockCode) {
            if (m_buffer.size() < WordSize + BlockSize)
                break;
            reportUnknown(events);
            events.append({ Event::Block, static_cast<unsigned char>(m_buffer.at(3)),
                m_buffer.mid(WordSize, BlockSize) });
            m_buffer.remove(0, WordSize + BlockSize);
        } else {
            reportUnknown(events);
            events.append({ code == ResetCode ? Event::Reset : Event::Next, -1, QByteArray() });
            m_buffer.remove(0, WordSize);
        }
    }
    return events;
}

QVector<WordReader::Event> WordReader::flush()
{
    QVector<Event> events;
    if (m_buffer.size() >= WordSize && m_buffer.at(0) == BlockCode) {
        reportUnknown(events);
        events.append(
            { Event::ShortBlock, static_cast<unsigned char>(m_buffer.at(3)), m_buffer.mid(WordSize) });
    } else {
        m_unknown.append(m_buffer);
    }
    m_buffer.clear();
    reportUnknown(events);
    return events;
}
