#include "MarkupScanner.h"

#include <QIODevice>

#include <cstring>

namespace {

constexpr char CommentOpen[] = "--";
constexpr char CDataOpen[] = "[CDATA[";

bool isBlank(char c)
{
    // NUL counts as blank so that UTF-16 text scans like its ASCII letters.
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\0';
}

} // namespace

MarkupScanner::MarkupScanner(bool headOnly)
    : m_headOnly(headOnly)
{
}

bool MarkupScanner::feed(const char* data, qint64 size)
{
    for (qint64 i = 0; i < size && !m_exceeded && !m_finished; ++i)
        step(data[i]);
    return !m_exceeded;
}

void MarkupScanner::enter(State state)
{
    m_state = state;
    m_previous = 0;
    m_beforePrevious = 0;
}

void MarkupScanner::startTagEnds()
{
    if (m_lastMark != '/' && ++m_depth > MaxDepth)
        m_exceeded = true;
    if (m_headOnly)
        m_finished = true;
    enter(State::Text);
}

void MarkupScanner::step(char c)
{
    switch (m_state) {
    case State::Text:
        if (c == '<')
            enter(State::TagOpen);
        return;
    case State::TagOpen:
        if (c == '\0')
            return;
        if (c == '!') {
            m_bangLength = 0;
            enter(State::Bang);
        } else if (c == '?') {
            enter(State::Instruction);
        } else if (c == '/') {
            enter(State::EndTag);
        } else {
            m_attributes = 0;
            m_lastMark = c;
            enter(State::StartTag);
        }
        return;
    case State::Bang:
        if (c == '\0')
            return;
        // "<!--" opens a comment, "<![CDATA[" a character section; anything
        // else is a declaration such as DOCTYPE.
        if (m_bangLength < 2 && c == CommentOpen[m_bangLength]) {
            if (++m_bangLength == 2)
                enter(State::Comment);
        } else if (m_bangLength < int(std::strlen(CDataOpen)) && c == CDataOpen[m_bangLength]) {
            if (++m_bangLength == int(std::strlen(CDataOpen)))
                enter(State::CData);
        } else {
            m_bracketDepth = 0;
            m_quote = 0;
            enter(State::Declaration);
            step(c);
        }
        return;
    case State::Comment:
    case State::CData:
    case State::Instruction: {
        if (c == '\0')
            return;
        const char close = m_state == State::Comment ? '-' : m_state == State::CData ? ']' : '?';
        const bool ends = c == '>' && m_previous == close
            && (m_state == State::Instruction || m_beforePrevious == close);
        m_beforePrevious = m_previous;
        m_previous = c;
        if (ends)
            enter(State::Text);
        return;
    }
    case State::Declaration:
        if (m_quote) {
            if (c == m_quote)
                m_quote = 0;
        } else if (c == '"' || c == '\'') {
            m_quote = c;
        } else if (c == '[') {
            ++m_bracketDepth;
        } else if (c == ']') {
            --m_bracketDepth;
        } else if (c == '>' && m_bracketDepth <= 0) {
            enter(State::Text);
        }
        return;
    case State::EndTag:
        if (c == '>') {
            m_depth = qMax(0, m_depth - 1);
            enter(State::Text);
        }
        return;
    case State::StartTag:
        if (c == '"' || c == '\'') {
            m_quote = c;
            m_state = State::Quoted;
        } else if (c == '=') {
            if (++m_attributes > MaxAttributes)
                m_exceeded = true;
        } else if (c == '>') {
            startTagEnds();
            return;
        }
        if (!isBlank(c))
            m_lastMark = c;
        return;
    case State::Quoted:
        if (c == m_quote) {
            m_lastMark = c;
            m_state = State::StartTag;
        }
        return;
    }
}

bool MarkupScanner::withinLimits(QIODevice* device, bool headOnly)
{
    if (!device)
        return true;
    MarkupScanner scanner(headOnly);
    const qint64 start = device->pos();
    char chunk[1 << 16];
    qint64 got = 0;
    while (!scanner.finished() && (got = device->read(chunk, sizeof chunk)) > 0) {
        if (!scanner.feed(chunk, got))
            break;
    }
    device->seek(start);
    return !scanner.exceeded();
}
