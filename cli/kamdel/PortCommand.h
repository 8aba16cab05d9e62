#pragma once

#include "CliCommand.h"

class PanelWriter;
class QSerialPort;

// `kamdel write FILE --port PORT`, and over several ports at once;
// `kamdel reset|next --port PORT`.
class PortCommand : public CliCommand
{
    Q_DECLARE_TR_FUNCTIONS(PortCommand)

public:
    explicit PortCommand(CliContext& context);

    QStringList names() const override;
    QList<QCommandLineOption> options() const override;
    int run(const QCommandLineParser& parser) override;

private:
    int write(const QString& file, const QString& portName);
    // Progress lines for the parent of a unit, or a block count on a terminal.
    void showProgress(PanelWriter* writer, int bytes);
    int writeMany(const QString& file, const QStringList& ports, const QString& logPath);
    int sendWord(const QString& portName, bool next);
    // Opens the port at the panel's speed; false with the reason printed.
    bool open(QSerialPort* port, const QString& portName);
};
