#include "ProgramItem.h"

#include "DeviceItem.h"
#include "XmlHelpers.h"

ProgramItem::ProgramItem(AbstractTreeItem* parent)
    : AbstractTreeItem(QStringLiteral("Program"), parent)
{
}

ProgramItem::~ProgramItem() = default;

void ProgramItem::readXML(QXmlStreamReader& reader)
{
    if (reader.name() != QLatin1String("Program"))
        return;
    XmlHelpers::readCommands(reader, this);
}

void ProgramItem::writeXML(QXmlStreamWriter& writer)
{
    writer.writeStartElement(QStringLiteral("Program"));
    writer.writeAttribute(QStringLiteral("index"), QString::number(programIndex(), 10));
    writeChildrenXML(writer);
    writer.writeEndElement();
}

int ProgramItem::programIndex() const
{
    const DeviceItem* device = deviceItem();
    if (!device)
        return -1;
    int index = 0;
    for (const AbstractTreeItem* item : device->children()) {
        if (item == this)
            return index;
        if (item->type() == Program)
            ++index;
    }
    return -1;
}
