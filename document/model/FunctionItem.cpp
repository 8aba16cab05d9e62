#include "FunctionItem.h"

#include "XmlHelpers.h"

FunctionItem::FunctionItem(AbstractTreeItem* parent)
    : AbstractTreeItem(QStringLiteral("Function"), parent)
{
}

FunctionItem::~FunctionItem() = default;

void FunctionItem::readXML(QXmlStreamReader& reader)
{
    if (reader.name() != QLatin1String("Function"))
        return;
    XmlHelpers::readCommands(reader, this);
}

void FunctionItem::writeXML(QXmlStreamWriter& writer)
{
    writer.writeStartElement(QStringLiteral("Function"));
    writeChildrenXML(writer);
    writer.writeEndElement();
}
