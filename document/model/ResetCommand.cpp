#include "ResetCommand.h"

#include "XmlHelpers.h"

ResetCommand::ResetCommand(AbstractTreeItem* parent)
    : AbstractTreeItem(QStringLiteral("Reset"), parent)
{
}

ResetCommand::~ResetCommand() = default;

void ResetCommand::readXML(QXmlStreamReader& reader)
{
    XmlHelpers::readEmptyCommand(reader, QLatin1String("Reset"));
}

void ResetCommand::writeXML(QXmlStreamWriter& writer)
{
    XmlHelpers::writeEmptyCommand(writer, QLatin1String("Reset"));
}
