#include "CliCommand.h"

CliCommand::CliCommand(CliContext& context)
    : m_context(context)
{
}

CliCommand::~CliCommand() = default;

void CliCommand::describe(QCommandLineParser*) const { }

bool CliCommand::wholeNumber(const QString& text, int* value)
{
    const QStringRef digits = text.midRef(text.startsWith(QLatin1Char('-')) ? 1 : 0);
    if (digits.isEmpty())
        return false;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    bool ok = false;
    *value = text.toInt(&ok);
    return ok;
}

bool CliCommand::numberIn(const QString& text, int low, int high, int* value)
{
    return wholeNumber(text, value) && *value >= low && *value <= high;
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
