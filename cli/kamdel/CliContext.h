#pragma once

#include <QCoreApplication>

#include <cstdio>
#include <memory>

class PanelDocument;

// What every kamdel command works with: standard output and error, the
// usage errors, the documents it loads, compiles and saves, and the exit
// statuses.
class CliContext
{
    Q_DECLARE_TR_FUNCTIONS(CliContext)

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

    explicit CliContext(std::FILE* out, std::FILE* err);

    std::FILE* out() const { return m_out; }
    std::FILE* err() const { return m_err; }
    // A unit of a write over several ports: tagged lines for the parent.
    void setUnitReport(bool unitReport);
    bool unitReport() const { return m_unitReport; }

    void print(const QString& text);
    // "kamdel: TEXT" on standard error.
    void printError(const QString& text);
    // The message and the hint to --help; the Usage status.
    int usage(const QString& message);
    // A command word with the wrong files, or none kamdel knows.
    int wrongUse(const QString& command);
    // Refuses an output that is the input file.
    int sameFile(const QString& output);
    static QString tooLarge(int bytes);
    // True when `added` more frames fit the document; else prints why.
    bool framesFit(PanelDocument* document, int added);

    // False, with the reason printed, for a symbolic link that leads
    // nowhere (to nothing, or round in a loop): "does not exist" would send
    // the user looking for the wrong thing.
    bool leadsSomewhere(const QString& file);
    // The document in `file`, or none with the reason printed.
    std::unique_ptr<PanelDocument> load(const QString& file);
    // Writes the document; false with the reason printed.
    bool save(PanelDocument* document, const QString& output);
    static QByteArray compiled(PanelDocument* document);
    // The document in `file` and its image as a panel takes it; none with
    // the reason printed when the document is bad or the image larger than
    // the panel's program memory. Block numbers are one byte: a larger image
    // would overwrite the start of the program on the panel.
    std::unique_ptr<PanelDocument> loadForPanel(const QString& file, QByteArray* image);

private:
    std::FILE* m_out;
    std::FILE* m_err;
    bool m_unitReport = false;
};
