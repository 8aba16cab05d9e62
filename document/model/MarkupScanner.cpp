#include "MarkupScanner.h"

#include <QIODevice>

#include <algorithm>
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
    qint64 i = 0;
    while (i < size && !m_exceeded && !m_finished) {
        if (m_state == State::Text && m_stateDepth == 0)
            i = skipText(data, i, size);
        else if (m_state == State::Quoted)
            i = skipQuoted(data, i, size);
        else
            step(data[i++]);
    }
    return !m_exceeded;
}

// Text outside an LED state only counts its bytes; half of a document is the
// blanks between its tags, so a run is counted at once up to the next "<".
qint64 MarkupScanner::skipText(const char* data, qint64 from, qint64 size)
{
    const void* mark = std::memchr(data + from, '<', size_t(size - from));
    const qint64 end = mark ? static_cast<const char*>(mark) - data : size;
    const qint64 counted = (end - from) - std::count(data + from, data + end, '\0');
    if (m_textBytes + counted > MaxTextBytes) {
        m_textBytes = MaxTextBytes;
        countText(' ');
    } else {
        m_textBytes += int(counted);
    }
    if (!mark)
        return end;
    inText('<');
    return end + 1;
}

void MarkupScanner::enter(State state)
{
    m_state = state;
    m_previous = 0;
    m_beforePrevious = 0;
    m_runBytes = 0;
}

void MarkupScanner::exceed(const QString& reason)
{
    if (!m_exceeded)
        m_reason = reason;
    m_exceeded = true;
}

void MarkupScanner::startTagEnds()
{
    const bool opens = m_lastMark != '/';
    if (opens && ++m_depth > MaxDepth)
        exceed(tr("The file nests its elements deeper than any document does."));
    if (opens && m_stateDepth == 0 && m_name == "state") {
        m_stateDepth = m_depth;
        m_stateCharacters = 0;
        m_inReference = false;
    }
    m_textBytes = 0;
    if (m_headOnly)
        m_finished = true;
    enter(State::Text);
}

// A byte of character data: text or a character section.
void MarkupScanner::countText(char c)
{
    if (c == '\0')
        return;
    if (++m_textBytes > MaxTextBytes)
        exceed(tr("The file holds a text of more than %1 KiB, more than any document holds.")
                   .arg(MaxTextBytes / 1024));
    if (m_stateDepth == 0)
        return;
    // A character is counted at its first byte (UTF-8); a reference such as
    // "&#49;" stands for one.
    bool counts = (uchar(c) & 0xC0) != 0x80 && !m_inReference;
    if (m_state == State::Text && c == '&')
        m_inReference = true;
    else if (m_inReference && c == ';')
        m_inReference = false;
    if (counts && ++m_stateCharacters > MaxStateCharacters)
        exceed(tr("The file holds an LED state of more than %1 characters.").arg(MaxStateCharacters));
}

// A byte of an attribute value, a comment, an instruction or a declaration.
void MarkupScanner::countRun()
{
    if (++m_runBytes > MaxTextBytes)
        exceed(tr("The file holds a text of more than %1 KiB, more than any document holds.")
                   .arg(MaxTextBytes / 1024));
}

void MarkupScanner::step(char c)
{
    switch (m_state) {
    case State::Text:
        inText(c);
        break;
    case State::TagOpen:
        inTagOpen(c);
        break;
    case State::Bang:
        inBang(c);
        break;
    case State::Comment:
    case State::CData:
    case State::Instruction:
        inSection(c);
        break;
    case State::Declaration:
        inDeclaration(c);
        break;
    case State::EndTag:
        inEndTag(c);
        break;
    case State::StartTag:
        inStartTag(c);
        break;
    case State::Quoted:
        inQuoted(c);
        break;
    }
}

void MarkupScanner::inText(char c)
{
    if (c == '<') {
        m_inReference = false;
        enter(State::TagOpen);
    } else {
        countText(c);
    }
}

// The byte after "<" tells what the markup is.
void MarkupScanner::inTagOpen(char c)
{
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
        m_name = QByteArray(1, c);
        m_nameDone = false;
        enter(State::StartTag);
    }
}

void MarkupScanner::inBang(char c)
{
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
        inDeclaration(c);
    }
}

// A comment, a character section or an instruction, up to its closing
// "-->", "]]>" or "?>".
void MarkupScanner::inSection(char c)
{
    if (c == '\0')
        return;
    const char close = m_state == State::Comment ? '-' : m_state == State::CData ? ']' : '?';
    const bool ends
        = c == '>' && m_previous == close && (m_state == State::Instruction || m_beforePrevious == close);
    m_beforePrevious = m_previous;
    m_previous = c;
    if (m_state == State::CData)
        countText(c);
    else
        countRun();
    if (ends)
        enter(State::Text);
}

void MarkupScanner::inDeclaration(char c)
{
    countRun();
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
}

void MarkupScanner::inEndTag(char c)
{
    if (c == '>') {
        if (m_depth <= m_stateDepth)
            m_stateDepth = 0;
        m_depth = qMax(0, m_depth - 1);
        m_textBytes = 0;
        enter(State::Text);
    } else {
        countRun();
    }
}

void MarkupScanner::inStartTag(char c)
{
    countRun();
    if (isBlank(c) || c == '/' || c == '>') {
        m_nameDone = m_nameDone || c != '\0';
    } else if (!m_nameDone && m_name.size() <= 5) {
        m_name += c;
    }
    if (c == '"' || c == '\'') {
        m_quote = c;
        m_state = State::Quoted;
        m_runBytes = 0;
    } else if (c == '=') {
        if (++m_attributes > MaxAttributes)
            exceed(tr("The file holds an element with more attributes than any document has."));
    } else if (c == '>') {
        startTagEnds();
        return;
    }
    if (!isBlank(c))
        m_lastMark = c;
}

// An attribute value counts its bytes up to the closing quote, at once.
qint64 MarkupScanner::skipQuoted(const char* data, qint64 from, qint64 size)
{
    const void* mark = std::memchr(data + from, m_quote, size_t(size - from));
    const qint64 end = mark ? static_cast<const char*>(mark) - data : size;
    if (m_runBytes + (end - from) > MaxTextBytes) {
        m_runBytes = MaxTextBytes;
        countRun();
    } else {
        m_runBytes += int(end - from);
    }
    if (!mark)
        return end;
    inQuoted(m_quote);
    return end + 1;
}

// An attribute value, up to its closing quote.
void MarkupScanner::inQuoted(char c)
{
    if (c == m_quote) {
        m_lastMark = c;
        m_state = State::StartTag;
        m_runBytes = 0;
    } else {
        countRun();
    }
}

bool MarkupScanner::withinLimits(QIODevice* device, bool headOnly, QString* reason)
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
    if (reason)
        *reason = scanner.reason();
    return !scanner.exceeded();
}
