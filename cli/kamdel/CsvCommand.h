#pragma once

#include "CliCommand.h"

class AbstractTreeItem;
class DocumentEdits;

// `kamdel csv export FILE OUT.csv` and `kamdel csv import FILE IN.csv -o
// OUT.xml`: the Program's frames as a sequence file, and back.
class CsvCommand : public CliCommand
{
    Q_DECLARE_TR_FUNCTIONS(CsvCommand)

public:
    explicit CsvCommand(CliContext& context);

    QStringList names() const override;
    QList<QCommandLineOption> options() const override;
    int run(const QCommandLineParser& parser) override;

private:
    int exportFrames(const QString& file, const QString& target);
    int importFrames(const QString& file, const QString& sequence, const QString& output);
    int importSequence(AbstractTreeItem* program, int ledCount, const QString& sequence, DocumentEdits* edits,
        QString* error);
};
