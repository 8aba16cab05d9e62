#include "ReturnCommand.h"

#include "XmlHelpers.h"

ReturnCommand::ReturnCommand(AbstractTreeItem* parent)
    : AbstractTreeItem(QStringLiteral("Return"), parent)
{
}

ReturnCommand::~ReturnCommand() = default;

void ReturnCommand::readXML(QXmlStreamReader& reader)
{
    XmlHelpers::readEmptyCommand(reader, QLatin1String("Return"));
}

void ReturnCommand::writeXML(QXmlStreamWriter& writer)
{
    XmlHelpers::writeEmptyCommand(writer, QLatin1String("Return"));
}
