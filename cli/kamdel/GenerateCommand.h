#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <functional>
#include <memory>

class PanelDocument;

// `kamdel generate DOC KIND -o OUT.xml [parameters]`: adds the frames of an
// effect to the document's Program and writes the result to OUT.xml.
class GenerateCommand
{
    Q_DECLARE_TR_FUNCTIONS(GenerateCommand)

public:
    // Loads a document, or gives none with the reason already printed.
    using Loader = std::function<std::unique_ptr<PanelDocument>(const QString& file)>;

    GenerateCommand(std::FILE* out, std::FILE* err, Loader load);
    ~GenerateCommand();

    // The whole command line, program name first; returns the exit status.
    int run(const QStringList& arguments);

private:
    int usage(const QString& message);
    void printError(const QString& text);

    std::FILE* m_out;
    std::FILE* m_err;
    Loader m_load;
};
