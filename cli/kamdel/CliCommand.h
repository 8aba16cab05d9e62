#pragma once

#include "model/LedPanelTypes.h"

#include <QCommandLineOption>
#include <QCoreApplication>
#include <QList>
#include <QStringList>

class CliContext;
class QCommandLineParser;

// One of kamdel's commands, or a family of them on the same options: the
// command words that choose it, its options and what it does.
class CliCommand
{
    Q_DECLARE_TR_FUNCTIONS(CliCommand)

public:
    explicit CliCommand(CliContext& context);
    virtual ~CliCommand();

    virtual QStringList names() const = 0;
    // Its options, in the order --help lists them.
    virtual QList<QCommandLineOption> options() const = 0;
    // The description and positional arguments of a command whose command
    // line is parsed with its own options alone; the others share kamdel's.
    virtual void describe(QCommandLineParser* parser) const;
    // The parsed command line, the command word first among the positional
    // arguments; returns the exit status.
    virtual int run(const QCommandLineParser& parser) = 0;

    // Decimal digits with an optional minus sign, and nothing else (no
    // blanks, no plus); false when the text is none or does not fit an int.
    static bool wholeNumber(const QString& text, int* value);
    // Parses a whole number within limits; false when it is none.
    static bool numberIn(const QString& text, int low, int high, int* value);

protected:
    // "top" or "bottom"; false for anything else.
    static bool sideIn(const QString& text, eLedPanelSide* side);
    // -o, the file that compile and csv import write.
    static QCommandLineOption outputOption();

    CliContext& m_context;
};
