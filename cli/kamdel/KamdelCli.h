#pragma once

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <memory>

class AbstractTreeItem;
class DocumentEdits;
class PanelDocument;
class QCommandLineParser;

// The `kamdel` program: loads a document and runs one of the editor's steps
// on it (info, compile, play, write, reset, next, gif, csv, import) without a
// window.
class KamdelCli
{
    Q_DECLARE_TR_FUNCTIONS(KamdelCli)

public:
    enum ExitStatus
    {
        Success = 0,
        LineFailed = 1,
        BadInput = 2,
        PortUnavailable = 3,
        Canceled = 4,
        Usage = 64
    };

    explicit KamdelCli(std::FILE* out = stdout, std::FILE* err = stderr);
    ~KamdelCli();

    int run(const QStringList& arguments);

private:
    friend class ImportCommand;

    int info(const QString& file, bool json);
    int compile(const QString& file, const QString& output, bool ignoreCapacity);
    int play(const QString& file, int steps);
    int write(const QString& file, const QString& port);
    int writeMany(const QString& file, const QStringList& ports, const QString& logPath);
    int sendWord(const QString& port, bool next);
    int gif(const QString& file, const QString& output, const QCommandLineParser& parser);
    int csv(const QStringList& arguments, const QString& output);
    int importSequence(AbstractTreeItem* program, int ledCount, const QString& sequence, DocumentEdits* edits,
        QString* error);
    // Refuses an output that is the input file.
    int sameFile(const QString& output);
    static QString tooLarge(int bytes);

    // The document in `file`, or none with the reason printed.
    std::unique_ptr<PanelDocument> load(const QString& file);
    // Writes the document; false with the reason printed.
    bool save(PanelDocument* document, const QString& output);
    QByteArray compiled(PanelDocument* document);
    int usage(const QString& message);
    void print(const QString& text);
    void printError(const QString& text);

    std::FILE* m_out;
    std::FILE* m_err;
    // A unit of a write over several ports: tagged lines for the parent.
    bool m_unitReport = false;
};
