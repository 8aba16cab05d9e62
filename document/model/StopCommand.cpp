#include "StopCommand.h"

#include "XmlHelpers.h"

StopCommand::StopCommand(AbstractTreeItem* parent)
    : AbstractTreeItem(QStringLiteral("Stop"), parent)
{
}

StopCommand::~StopCommand() = default;

void StopCommand::readXML(QXmlStreamReader& reader)
{
    XmlHelpers::readEmptyCommand(reader, QLatin1String("Stop"));
}

void StopCommand::writeXML(QXmlStreamWriter& writer)
{
    XmlHelpers::writeEmptyCommand(writer, QLatin1String("Stop"));
}
