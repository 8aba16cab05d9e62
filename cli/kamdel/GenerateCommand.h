#pragma once

#include "CliCommand.h"
#include "model/EffectRequest.h"

#include <optional>

class PanelDocument;
class ProgramItem;

// `kamdel generate DOC KIND -o OUT.xml [parameters]`: adds the frames of an
// effect to the document's Program and writes the result to OUT.xml.
class GenerateCommand : public CliCommand
{
    Q_DECLARE_TR_FUNCTIONS(GenerateCommand)

public:
    explicit GenerateCommand(CliContext& context);

    QStringList names() const override;
    QList<QCommandLineOption> options() const override;
    void describe(QCommandLineParser* parser) const override;
    int run(const QCommandLineParser& parser) override;

private:
    // What the command line asks for; frames by their number from 1, none
    // where none was given.
    struct Request
    {
        EffectRequest effect;
        QString kind; // as given
        std::optional<int> frame;
        std::optional<int> to;
        std::optional<int> after;
        std::optional<int> over;
        QString output;
    };

    // The effect's parameters; the first usage error, or none.
    static QString readParameters(const QCommandLineParser& parser, Request* request);
    // Where the frames go and how they meet the frames there, and the ease.
    static QString readPlacement(const QCommandLineParser& parser, Request* request);
    int addFrames(PanelDocument* document, ProgramItem* program, const Request& request);
};
