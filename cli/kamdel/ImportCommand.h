#pragma once

#include <QCoreApplication>
#include <QStringList>

class KamdelCli;

// `kamdel import DOC PICTURE... -o OUT.xml`: the frames of an animated GIF,
// a picture or a numbered series of pictures go into the document's Program,
// as the editor's Import animation puts them.
class ImportCommand
{
    Q_DECLARE_TR_FUNCTIONS(ImportCommand)

public:
    explicit ImportCommand(KamdelCli& cli);

    // The program's whole command line, "import" first after the program name.
    int run(const QStringList& arguments);

private:
    KamdelCli& m_cli;
};
