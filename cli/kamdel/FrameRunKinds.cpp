#include "FrameRunKinds.h"

#include "CliCommand.h"
#include "CliContext.h"
#include "edits/DocumentEdits.h"
#include "formats/SequenceFile.h"
#include "model/Counts.h"
#include "model/DeviceItem.h"
#include "model/PanelDocument.h"
#include "model/ProgramItem.h"

#include <QCommandLineParser>

namespace {

struct KindWord
{
    const char* word;
    FrameRuns::Kind kind;
};

const KindWord Kinds[] = {
    { "hold", FrameRuns::Hold },
    { "repeat", FrameRuns::Repeat },
    { "reverse", FrameRuns::Reverse },
    { "pingpong", FrameRuns::PingPong },
};

bool kindOf(const QString& word, FrameRuns::Kind* kind)
{
    for (const KindWord& known : Kinds) {
        if (word == QLatin1String(known.word)) {
            *kind = known.kind;
            return true;
        }
    }
    return false;
}

} // namespace

FrameRunKinds::FrameRunKinds(CliContext& context)
    : m_context(context)
{
}

bool FrameRunKinds::isKind(const QString& word)
{
    FrameRuns::Kind kind;
    return kindOf(word, &kind);
}

int FrameRunKinds::run(
    const QCommandLineParser& parser, const QString& input, const QString& word, const QString& output)
{
    Request request;
    if (!kindOf(word, &request.kind))
        return m_context.wrongUse(word);
    const std::unique_ptr<PanelDocument> document = m_context.load(input);
    if (!document)
        return CliContext::BadInput;
    ProgramItem* program = document->deviceItem()->program(0);
    if (!program)
        return m_context.usage(tr("%1 has no Program").arg(input));
    const QList<LedStatesCommand*> frames = SequenceFile::frames(program);
    if (frames.isEmpty())
        return m_context.usage(tr("%1 needs a frame, and the Program has none").arg(word));
    const QString wrong = readRequest(parser, frames.size(), &request);
    if (!wrong.isEmpty())
        return m_context.usage(wrong);

    const QList<LedStatesCommand*> run = frames.mid(request.frame - 1, request.to - request.frame + 1);
    const QVector<int> order = FrameRuns::order(request.kind, run.size(), request.count);
    if (!m_context.framesFit(document.get(), order.size() - run.size()))
        return CliContext::BadInput;
    const int added = document->edits()->rearrangeFrames(run, order, word).size();
    if (!m_context.save(document.get(), output))
        return CliContext::LineFailed;
    report(request, added, output);
    return CliContext::Success;
}

QString FrameRunKinds::readRequest(const QCommandLineParser& parser, int frames, Request* request)
{
    QString wrong;
    // The option's value, or `fallback` when it is not given.
    auto read = [&](const char* name, int low, int high, int fallback, const QString& range) {
        const QString option = QLatin1String(name);
        int value = fallback;
        if (wrong.isEmpty() && parser.isSet(option)
            && !CliCommand::numberIn(parser.value(option), low, high, &value))
            wrong = tr("--%1 takes %2").arg(option, range);
        return value;
    };
    const bool hold = request->kind == FrameRuns::Hold;
    // A frame held is by default the last, as new frames go after it; a run
    // is by default the whole Program.
    request->frame
        = read("frame", 1, frames, hold ? frames : 1, tr("1 to %1, the Program's frames").arg(frames));
    request->to = hold
        ? request->frame
        : read("to", request->frame, frames, frames,
            tr("%1 to %2, from --frame to the Program's last frame").arg(request->frame).arg(frames));
    if (hold)
        request->count = read("count", 1, 1000, 1, tr("1 to 1000, the copies added"));
    if (request->kind == FrameRuns::Repeat)
        request->count = read("times", 1, 100, 1, tr("1 to 100, the repeats added"));
    return wrong;
}

void FrameRunKinds::report(const Request& request, int added, const QString& output)
{
    if (request.kind == FrameRuns::Reverse)
        m_context.print(tr("frames %1 to %2 reversed, written to %3")
                            .arg(QString::number(request.frame), QString::number(request.to), output));
    else
        m_context.print(tr("%1 added after frame %2, written to %3")
                            .arg(Counts::frames(added), QString::number(request.to), output));
}
