#pragma once

#include "model/FrameRuns.h"

#include <QCoreApplication>
#include <QString>

class CliContext;
class QCommandLineParser;

// The kinds of `kamdel generate` that rework a run of the Program's frames
// instead of drawing new ones: hold, repeat, reverse and pingpong, as the
// editor's Frame menu does them.
class FrameRunKinds
{
    Q_DECLARE_TR_FUNCTIONS(FrameRunKinds)

public:
    explicit FrameRunKinds(CliContext& context);

    static bool isKind(const QString& word);

    // Reworks the Program of `input` as `word` and the options ask and writes
    // the document to `output`, which is not the input; the exit status.
    int run(
        const QCommandLineParser& parser, const QString& input, const QString& word, const QString& output);

private:
    // Frames by their number from 1.
    struct Request
    {
        FrameRuns::Kind kind = FrameRuns::Hold;
        int frame = 1;
        int to = 1;
        int count = 1;
    };

    // The run and the count within the Program's `frames`; the first usage
    // error, or none.
    static QString readRequest(const QCommandLineParser& parser, int frames, Request* request);
    void report(const Request& request, int added, const QString& output);

    CliContext& m_context;
};
