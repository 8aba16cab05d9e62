#include "XmlHelpers.h"

#include "AbstractTreeItem.h"
#include "ItemFactory.h"

#include <QObject>

#include <climits>

namespace XmlHelpers {

namespace {

bool isDecimal(QStringView text)
{
    text = text.trimmed();
    if (text.startsWith(QLatin1Char('+')) || text.startsWith(QLatin1Char('-')))
        text = text.mid(1);
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

int readIndex(const QXmlStreamReader& reader)
{
    const QStringRef value = reader.attributes().value(QLatin1String("index"));
    if (!isDecimal(value))
        return 0;
    bool ok = false;
    const qlonglong number = value.toLongLong(&ok);
    if (!ok || number < INT_MIN || number > INT_MAX)
        return -1;
    return static_cast<int>(number);
}

int readInteger(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    return ok ? value : 0;
}

bool ReadBudget::spend(QXmlStreamReader& reader, bool frame)
{
    int& left = frame ? frames : otherItems;
    if (left <= 0) {
        if (!reader.hasError())
            reader.raiseError(frame
                    ? QObject::tr("The file holds more than %1 frames; a document takes at most %1.")
                          .arg(MaxFrames)
                    : QObject::tr("The file holds more commands than a document can take."));
        return false;
    }
    --left;
    return true;
}

void readCommands(QXmlStreamReader& reader, AbstractTreeItem* container)
{
    ReadBudget budget;
    readCommands(reader, container, budget);
}

void readCommands(QXmlStreamReader& reader, AbstractTreeItem* container, ReadBudget& budget)
{
    while (reader.readNextStartElement()) {
        const int type = ItemFactory::typeOf(reader.name());
        if (!AbstractTreeItem::isCommandType(type)) {
            reader.skipCurrentElement();
            continue;
        }
        if (!budget.spend(reader, type == AbstractTreeItem::LedStates))
            return;
        // The container owns the new command from here on (parent item).
        ItemFactory::create(type, container)->readXML(reader);
    }
}

void readEmptyCommand(QXmlStreamReader& reader, QLatin1String name)
{
    if (reader.name() != name)
        return;
    reader.skipCurrentElement();
}

void writeEmptyCommand(QXmlStreamWriter& writer, QLatin1String name)
{
    writer.writeStartElement(name);
    writer.writeEndElement();
}

} // namespace XmlHelpers
