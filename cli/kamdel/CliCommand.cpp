#include "CliCommand.h"

CliCommand::CliCommand(CliContext& context)
    : m_context(context)
{
}

CliCommand::~CliCommand() = default;

void CliCommand::describe(QCommandLineParser*) const { }

bool CliCommand::numberIn(const QString& text, int low, int high, int* value)
{
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= low && *value <= high;
}

bool CliCommand::sideIn(const QString& text, eLedPanelSide* side)
{
    if (text != QLatin1String("top") && text != QLatin1String("bottom"))
        return false;
    *side = text == QLatin1String("top") ? Top : Bottom;
    return true;
}

QCommandLineOption CliCommand::outputOption()
{
    return QCommandLineOption({ QStringLiteral("o"), QStringLiteral("output") },
        tr("compile, csv import: the file to write."), QStringLiteral("file"));
}
