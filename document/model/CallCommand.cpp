#include "CallCommand.h"

#include "XmlHelpers.h"

CallCommand::CallCommand(AbstractTreeItem* parent)
    : AbstractTreeItem(QStringLiteral("Call"), parent)
{
}

CallCommand::~CallCommand() = default;

void CallCommand::readXML(QXmlStreamReader& reader)
{
    XmlHelpers::readEmptyCommand(reader, QLatin1String("Call"));
}

void CallCommand::writeXML(QXmlStreamWriter& writer)
{
    XmlHelpers::writeEmptyCommand(writer, QLatin1String("Call"));
}
