#pragma once

#include <QLatin1String>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

class AbstractTreeItem;

// Reading rules shared by the items of the command tree.
namespace XmlHelpers {

// An attribute "index" as the file gives it: a missing or non-numeric value
// reads as 0; a number that does not fit an int reads as -1, which no index
// accepts.
int readIndex(const QXmlStreamReader& reader);

// Decimal integer text; anything else (including out-of-range numbers) is 0.
int readInteger(const QString& text);

// What one read of a file may create. A frame takes kilobytes in memory but
// only a dozen bytes as an empty element, so without a bound a small file
// could exhaust the memory. Both bounds lie far beyond what a panel holds
// (8000 bytes of program); reaching one is a reader error.
struct ReadBudget
{
    static constexpr int MaxFrames = 20000;
    static constexpr int MaxOtherItems = 200000;

    int frames = MaxFrames;
    int otherItems = MaxOtherItems;

    // Counts one item; false, with the reader's error raised, when the
    // budget is spent.
    bool spend(QXmlStreamReader& reader, bool frame);
};

// Reads the commands of a "Program" or "Function" element and appends them to
// `container` in file order. Unknown elements are skipped whole. The first
// form has a budget of its own, the second shares the caller's.
void readCommands(QXmlStreamReader& reader, AbstractTreeItem* container);
void readCommands(QXmlStreamReader& reader, AbstractTreeItem* container, ReadBudget& budget);

// An empty command element: checks the name and skips whatever it contains.
void readEmptyCommand(QXmlStreamReader& reader, QLatin1String name);
void writeEmptyCommand(QXmlStreamWriter& writer, QLatin1String name);

} // namespace XmlHelpers
