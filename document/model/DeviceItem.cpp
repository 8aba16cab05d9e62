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
        auto* program = qobject_cast<ProgramItem*>(item);
        if (program && n-- == 0)
            return program;
    }
    return nullptr;
}

void DeviceItem::readXML(QXmlStreamReader& reader)
{
    if (reader.name() != QLatin1String("Commands"))
        return;
    // One budget for the whole file, however its commands are spread.
    XmlHelpers::ReadBudget budget;
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("Program")) {
            if (ProgramItem* target = program(XmlHelpers::readIndex(reader)))
                XmlHelpers::readCommands(reader, target, budget);
            else
                reader.skipCurrentElement();
        } else if (reader.name() == QLatin1String("Function")) {
            // Collections are kept in file order after the Program; the file
            // carries them and dropping them would lose the user's work.
            if (!budget.spend(reader, false))
                return;
            XmlHelpers::readCommands(reader, new FunctionItem(this), budget);
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
