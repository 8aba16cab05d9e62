#pragma once

#include "CliCommand.h"
#include "formats/AnimationExport.h"

// `kamdel gif FILE OUT.gif`: the frames the panel shows, drawn as an
// animated GIF.
class GifCommand : public CliCommand
{
    Q_DECLARE_TR_FUNCTIONS(GifCommand)

public:
    explicit GifCommand(CliContext& context);

    QStringList names() const override;
    QList<QCommandLineOption> options() const override;
    int run(const QCommandLineParser& parser) override;

private:
    int writeGif(const QString& file, const QString& output, const AnimationExport::Options& options);
};
