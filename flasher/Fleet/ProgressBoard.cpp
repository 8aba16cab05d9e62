#include "ProgressBoard.h"

#include <algorithm>
#include <unistd.h>

namespace {
// Redrawing more often only costs time on a slow terminal.
constexpr int RedrawMs = 100;
constexpr int BarWidth = 20;
} // namespace

ProgressBoard::ProgressBoard(std::FILE* terminal)
    : m_Terminal(terminal && ::isatty(fileno(terminal)) ? terminal : nullptr)
{
}

QString ProgressBoard::bar(int percent)
{
    percent = std::clamp(percent, 0, 100);
    const int filled = percent * BarWidth / 100;
    return QStringLiteral("[%1%2] %3%")
        .arg(QString(filled, QLatin1Char('#')), QString(BarWidth - filled, QLatin1Char('-')))
        .arg(percent, 3);
}

void ProgressBoard::setLine(const QString& key, const QString& text, bool now)
{
    if (!m_Terminal)
        return;
    auto found = std::find_if(m_Lines.begin(), m_Lines.end(),
        [&key](const QPair<QString, QString>& line) { return line.first == key; });
    const bool added = found == m_Lines.end();
    if (added)
        m_Lines.append({ key, text });
    else if (found->second == text)
        return;
    else
        found->second = text;
    if (now || added || !m_SinceDraw.isValid() || m_SinceDraw.hasExpired(RedrawMs)) {
        erase();
        draw();
    }
}

void ProgressBoard::removeLine(const QString& key)
{
    if (!m_Terminal)
        return;
    erase();
    m_Lines.erase(std::remove_if(m_Lines.begin(), m_Lines.end(),
                      [&key](const QPair<QString, QString>& line) { return line.first == key; }),
        m_Lines.end());
    draw();
}

void ProgressBoard::printAbove(std::FILE* out, const QString& line)
{
    erase();
    std::fputs(line.toLocal8Bit().constData(), out);
    std::fputc('\n', out);
    std::fflush(out);
    draw();
}

void ProgressBoard::finish()
{
    erase();
    m_Lines.clear();
}

void ProgressBoard::erase()
{
    if (!m_Terminal || m_Drawn == 0)
        return;
    // Up to the board's first line, then clear to the end of the screen.
    std::fprintf(m_Terminal, "\033[%dA\033[J", m_Drawn);
    std::fflush(m_Terminal);
    m_Drawn = 0;
}

void ProgressBoard::draw()
{
    if (!m_Terminal)
        return;
    for (const auto& line : qAsConst(m_Lines))
        std::fprintf(m_Terminal, "%s\n", line.second.toLocal8Bit().constData());
    std::fflush(m_Terminal);
    m_Drawn = m_Lines.size();
    m_SinceDraw.start();
}
