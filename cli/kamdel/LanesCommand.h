#pragma once

#include "CliCommand.h"

// `kamdel lanes FILE -o OUT.png`: the Program's ring lanes as the editor's
// Program page draws them, one lane per ring and a row per frame.
class LanesCommand : public CliCommand
{
    Q_DECLARE_TR_FUNCTIONS(LanesCommand)

public:
    static constexpr int DefaultScale = 4;

    explicit LanesCommand(CliContext& context);

    QStringList names() const override;
    QList<QCommandLineOption> options() const override;
    int run(const QCommandLineParser& parser) override;

private:
    int writeLanes(const QString& file, const QString& output, eLedPanelSide side, int scale);
};
