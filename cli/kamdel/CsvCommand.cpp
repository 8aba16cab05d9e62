#include "CsvCommand.h"

#include "CliContext.h"
#include "formats/OutputFile.h"
#include "formats/SequenceFile.h"
#include "model/DeviceItem.h"
#include "model/PanelDocument.h"
#include "model/ProgramItem.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <unistd.h>

CsvCommand::CsvCommand(CliContext& context)
    : CliCommand(context)
{
}

QStringList CsvCommand::names() const
{
    return { QStringLiteral("csv") };
}

QList<QCommandLineOption> CsvCommand::options() const
{
    return { outputOption() };
}

int CsvCommand::run(const QCommandLineParser& parser)
{
    const QStringList arguments = parser.positionalArguments().mid(1);
    const QString what = arguments.value(0);
    if (what == QLatin1String("export") && arguments.size() == 3)
        return exportFrames(arguments.at(1), arguments.at(2));
    if (what == QLatin1String("import") && arguments.size() == 3) {
        const QString output = parser.value(QStringLiteral("output"));
        if (output.isEmpty())
            return m_context.usage(tr("csv import needs -o OUT.xml"));
        return importFrames(arguments.at(1), arguments.at(2), output);
    }
    return m_context.usage(tr("csv takes 'export FILE OUT.csv' or 'import FILE IN.csv -o OUT.xml'"));
}

int CsvCommand::exportFrames(const QString& file, const QString& target)
{
    if (OutputFile::sameFile(file, target))
        return m_context.sameFile(target);
    const std::unique_ptr<PanelDocument> document = m_context.load(file);
    if (!document)
        return CliContext::BadInput;
    const DeviceItem* device = document->deviceItem();
    QString error;
    if (!SequenceFile::exportFrames(
            SequenceFile::frames(device->program(0)), device->ledCount(), target, &error, file)) {
        m_context.printError(error);
        return CliContext::LineFailed;
    }
    return CliContext::Success;
}

int CsvCommand::importFrames(const QString& file, const QString& sequence, const QString& output)
{
    // Writing the result over the sequence would lose it; writing it over
    // the document is refused alike, as for every other output.
    if (OutputFile::sameFile(file, output) || OutputFile::sameFile(sequence, output))
        return m_context.sameFile(output);
    if (!m_context.leadsSomewhere(sequence))
        return CliContext::BadInput;
    const std::unique_ptr<PanelDocument> document = m_context.load(file);
    if (!document)
        return CliContext::BadInput;
    DeviceItem* device = document->deviceItem();
    QString error;
    if (importSequence(device->program(0), device->ledCount(), sequence, document->edits(), &error) < 0) {
        m_context.printError(error);
        return CliContext::BadInput;
    }
    return m_context.save(document.get(), output) ? CliContext::Success : CliContext::LineFailed;
}

int CsvCommand::importSequence(
    AbstractTreeItem* program, int ledCount, const QString& sequence, DocumentEdits* edits, QString* error)
{
    // A script may pipe the table in: standard input, or a named pipe or
    // device, is read up to the size bound instead of being refused.
    if (sequence == QLatin1String("-") || (QFileInfo::exists(sequence) && !QFileInfo(sequence).isFile())) {
        QFile in;
        bool opened = false;
        if (sequence == QLatin1String("-")) {
            opened = in.open(STDIN_FILENO, QIODevice::ReadOnly, QFileDevice::DontCloseHandle);
        } else {
            in.setFileName(sequence);
            opened = in.open(QIODevice::ReadOnly);
        }
        if (!opened) {
            *error = tr("cannot read %1: %2").arg(sequence, in.errorString());
            return -1;
        }
        return SequenceFile::importFrames(program, ledCount, &in, sequence, edits, error);
    }
    return SequenceFile::importFrames(program, ledCount, sequence, edits, error);
}
