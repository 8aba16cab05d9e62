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
int readInteger(QStringView text);

// Reads the commands of a "Program" or "Function" element and appends them to
// `container` in file order. Unknown elements are skipped whole.
void readCommands(QXmlStreamReader& reader, AbstractTreeItem* container);

// An empty command element: checks the name and skips whatever it contains.
void readEmptyCommand(QXmlStreamReader& reader, QLatin1String name);
void writeEmptyCommand(QXmlStreamWriter& writer, QLatin1String name);

} // namespace XmlHelpers
