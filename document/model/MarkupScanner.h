#pragma once

#include "kamdeldocument_export.h"

#include <QCoreApplication>
#include <QString>

class QIODevice;

// A quick pass over XML bytes, before the XML reader sees them, that refuses
// markup no document holds: the reader checks an element's attributes for
// duplicates in quadratic time and looks namespaces up through every open
// element, so a small file with one wide or very deep element would stall it
// for minutes. The reader also keeps a whole run of text in memory, several
// times over, so a file of one long text would take gigabytes. The pass
// counts attributes, open elements and the length of text runs only; it does
// not check that the text is well-formed, which is the reader's job.
class KAMDELDOCUMENT_EXPORT MarkupScanner
{
    Q_DECLARE_TR_FUNCTIONS(MarkupScanner)

public:
    // Far beyond what any element of a document needs (two attributes, five
    // levels), far below where the reader's work becomes noticeable.
    static constexpr int MaxAttributes = 32;
    static constexpr int MaxDepth = 64;
    // The text of an element (children's text included, comments between
    // its pieces left out), an attribute value, a comment: no document
    // holds more than a few dozen characters in one.
    static constexpr int MaxTextBytes = 64 * 1024;
    // An LED state is a small number.
    static constexpr int MaxStateCharacters = 64;

    // With `headOnly`, scanning finishes at the end of the first start tag.
    explicit MarkupScanner(bool headOnly = false);

    // Scans the next bytes; false once the markup has passed a bound.
    bool feed(const char* data, qint64 size);
    bool exceeded() const { return m_exceeded; }
    // Which bound was passed, for the user.
    QString reason() const { return m_reason; }
    bool finished() const { return m_finished; }

    // Scans the device from its position to its end (or the first start tag
    // with `headOnly`) and puts the position back; a sequential device cannot
    // be put back, so callers give it a buffer. True when within the bounds.
    static bool withinLimits(QIODevice* device, bool headOnly = false, QString* reason = nullptr);

private:
    enum class State
    {
        Text,
        TagOpen,
        Bang,
        Comment,
        CData,
        Declaration,
        Instruction,
        EndTag,
        StartTag,
        Quoted,
    };

    void step(char c);
    // Scans text from `from` to the next tag; returns where scanning goes on.
    qint64 skipText(const char* data, qint64 from, qint64 size);
    qint64 skipQuoted(const char* data, qint64 from, qint64 size);
    // What a byte does in each state.
    void inText(char c);
    void inTagOpen(char c);
    void inBang(char c);
    void inSection(char c);
    void inDeclaration(char c);
    void inEndTag(char c);
    void inStartTag(char c);
    void inQuoted(char c);
    void enter(State state);
    void startTagEnds();
    void exceed(const QString& reason);
    void countText(char c);
    void countRun();

    bool m_headOnly;
    State m_state = State::Text;
    bool m_exceeded = false;
    bool m_finished = false;
    int m_depth = 0;
    int m_attributes = 0;
    int m_bracketDepth = 0;
    int m_bangLength = 0;
    char m_quote = 0;
    char m_lastMark = 0;
    char m_previous = 0;
    char m_beforePrevious = 0;
    QString m_reason;
    // Bytes of the current element's text and of the current value, comment
    // or declaration.
    int m_textBytes = 0;
    int m_runBytes = 0;
    // The name of the start tag being scanned, as far as it can be "state".
    QByteArray m_name;
    bool m_nameDone = false;
    // While inside a "state" element: its depth, its characters so far, and
    // whether an entity reference is being read (one character in all).
    int m_stateDepth = 0;
    int m_stateCharacters = 0;
    bool m_inReference = false;
};
