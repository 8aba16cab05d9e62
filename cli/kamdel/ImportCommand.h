#pragma once

#include "CliCommand.h"
#include "formats/AnimationImport.h"

#include <optional>

class PanelDocument;
class ProgramItem;

// `kamdel import DOC PICTURE... -o OUT.xml`: the frames of an animated GIF,
// a picture or a numbered series of pictures go into the document's Program,
// as the editor's Import animation puts them.
class ImportCommand : public CliCommand
{
    Q_DECLARE_TR_FUNCTIONS(ImportCommand)

public:
    explicit ImportCommand(CliContext& context);

    QStringList names() const override;
    QList<QCommandLineOption> options() const override;
    void describe(QCommandLineParser* parser) const override;
    int run(const QCommandLineParser& parser) override;

private:
    // The pictures' options and --after (none when not given); the first
    // usage error, or none.
    static QString readOptions(
        const QCommandLineParser& parser, AnimationImport::Options* options, std::optional<int>* after);
    int importInto(PanelDocument* document, ProgramItem* program, int row, const QStringList& args,
        const AnimationImport::Options& options, const QString& output);
};
