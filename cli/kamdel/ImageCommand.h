#pragma once

#include "CliCommand.h"

// `kamdel info|compile|play FILE`: the image the document compiles to, its
// size, its bytes or the frames the panel shows from it.
class ImageCommand : public CliCommand
{
    Q_DECLARE_TR_FUNCTIONS(ImageCommand)

public:
    explicit ImageCommand(CliContext& context);

    QStringList names() const override;
    QList<QCommandLineOption> options() const override;
    int run(const QCommandLineParser& parser) override;

private:
    int info(const QString& file, bool json);
    int compile(const QString& file, const QString& output, bool ignoreCapacity);
    int play(const QString& file, int steps);
};
