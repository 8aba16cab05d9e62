#pragma once

#include <QByteArray>
#include <QVector>

// Cuts the byte stream from the editor into command words and program blocks.
// A word is four bytes: 01 00 00 00 (Reset), 02 00 00 00 (Next) or
// 03 00 00 n followed by 32 image bytes (block n). Bytes that cannot start a
// word are collected and reported as one unknown run; a word or block that is
// still incomplete when the line falls silent is reported by flush().
class WordReader
{
public:
    static constexpr int WordSize = 4;
    static constexpr int BlockSize = 32;
    static constexpr int MaxUnknownRun = 64;

    struct Event
    {
        enum Kind
        {
            Reset,
            Next,
            Block,
            Unknown,
            ShortBlock
        };
        Kind kind;
        int number; // block number (Block, ShortBlock)
        QByteArray bytes; // block data (Block), skipped bytes (Unknown, ShortBlock)
    };

    QVector<Event> feed(const QByteArray& data);
    QVector<Event> flush();
    bool hasPending() const { return !m_buffer.isEmpty() || !m_unknown.isEmpty(); }

private:
    enum class Match
    {
        Word,
        Prefix,
        None
    };
    Match matchHead() const;
    void dropUnknownByte(QVector<Event>& events);
    void reportUnknown(QVector<Event>& events);

    QByteArray m_buffer;
    QByteArray m_unknown;
};
