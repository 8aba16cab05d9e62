#pragma once

#include <QString>

#include <cstdio>

// A simulator's log: one line at a time, flushed at once so that a test
// reading it sees each line when it happens. Standard output when headless,
// otherwise standard error.
class LineLog
{
public:
    explicit LineLog(bool headless)
        : m_out(headless ? stdout : stderr)
    {
    }
    void line(const QString& text) const
    {
        std::fputs(qPrintable(text + QLatin1Char('\n')), m_out);
        std::fflush(m_out);
    }
    std::FILE* stream() const { return m_out; }

private:
    std::FILE* m_out;
};
