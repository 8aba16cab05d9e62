#include "XmlHelpers.h"

#include "CallCommand.h"
#include "LedStatesCommand.h"
#include "ResetCommand.h"
#include "ReturnCommand.h"
#include "StopCommand.h"

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

void readCommands(QXmlStreamReader& reader, AbstractTreeItem* container)
{
    while (reader.readNextStartElement()) {
        // The container owns the new command from here on (parent item).
        if (AbstractTreeItem* command = createCommand(reader.name(), container))
            command->readXML(reader);
        else
            reader.skipCurrentElement();
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
