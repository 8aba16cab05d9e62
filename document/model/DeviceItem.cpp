#include "DeviceItem.h"

#include "FunctionItem.h"
#include "ProgramItem.h"
#include "XmlHelpers.h"

DeviceItem::DeviceItem(AbstractTreeItem* parent)
    : AbstractTreeItem(QStringLiteral("Device"), parent)
{
}

DeviceItem::~DeviceItem() = default;

void DeviceItem::setSize(int rows, int columns)
{
    if (rows == m_rows && columns == m_columns)
        return;
    m_rows = rows;
    m_columns = columns;
    emit ledsChanged();
}

ProgramItem* DeviceItem::program(int n) const
{
    if (n < 0)
        return nullptr;
    for (AbstractTreeItem* item : children()) {
        if (item->type() == Program && n-- == 0)
            return static_cast<ProgramItem*>(item);
    }
    return nullptr;
}

void DeviceItem::readXML(QXmlStreamReader& reader)
{
    if (reader.name() != QLatin1String("Commands"))
        return;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Program")) {
            if (ProgramItem* target = program(XmlHelpers::readIndex(reader)))
                target->readXML(reader);
            else
                reader.skipCurrentElement();
        } else if (reader.name() == QLatin1String("Function")) {
            // Collections are kept in file order after the Program; the file
            // carries them and dropping them would lose the user's work.
            auto* function = new FunctionItem(this);
            function->readXML(reader);
        } else {
            reader.skipCurrentElement();
        }
    }
}

void DeviceItem::writeXML(QXmlStreamWriter& writer)
{
    writer.writeStartElement(QStringLiteral("Commands"));
    writeChildrenXML(writer);
    writer.writeEndElement();
}
