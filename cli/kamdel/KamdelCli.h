#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <memory>
#include <vector>

class CliCommand;
class CliContext;
class QCommandLineParser;

// The `kamdel` program: loads a document and runs one of the editor's steps
// on it (info, compile, play, write, reset, next, gif, csv, generate, import)
// without a window.
class KamdelCli
{
    Q_DECLARE_TR_FUNCTIONS(KamdelCli)

public:
    explicit KamdelCli(std::FILE* out = stdout, std::FILE* err = stderr);
    ~KamdelCli();

    // The whole command line, program name first; returns the exit status.
    int run(const QStringList& arguments);

private:
    using CommandList = std::vector<std::unique_ptr<CliCommand>>;

    // kamdel's own help and version, and the options of every shared command.
    void describe(QCommandLineParser* parser) const;
    int runShared(const QCommandLineParser& parser);
    static CliCommand* find(const CommandList& commands, const QString& name);

    std::unique_ptr<CliContext> m_context;
    // These share one command line: any of their options may be given.
    CommandList m_shared;
    // generate and import take options of their own.
    CommandList m_alone;
};
