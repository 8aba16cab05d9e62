#include "XmlHelpers.h"

#include "CallCommand.h"
#include "LedStatesCommand.h"
#include "ResetCommand.h"
#include "ReturnCommand.h"
#include "StopCommand.h"

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

bool isCommand(QStringView name)
{
    return name == QLatin1String("LedStates") || name == QLatin1String("Call")
        || name == QLatin1String("Return") || name == QLatin1String("Reset") || name == QLatin1String("Stop");
}

AbstractTreeItem* createCommand(QStringView name, AbstractTreeItem* container)
{
    if (name == QLatin1String("LedStates"))
        return new LedStatesCommand(container);
    if (name == QLatin1String("Call"))
        return new CallCommand(container);
    if (name == QLatin1String("Return"))
        return new ReturnCommand(container);
    if (name == QLatin1String("Reset"))
        return new ResetCommand(container);
    if (name == QLatin1String("Stop"))
        return new StopCommand(container);
    return nullptr;
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

int readInteger(QStringView text)
{
    bool ok = false;
    const int value = text.toString().toInt(&ok, 10);
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
        if (!isCommand(reader.name())) {
            reader.skipCurrentElement();
            continue;
        }
        if (!budget.spend(reader, reader.name() == QLatin1String("LedStates")))
            return;
        // The container owns the new command from here on (parent item).
        createCommand(reader.name(), container)->readXML(reader);
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
