#include "GenerateCommand.h"

#include "CliContext.h"
#include "FrameRunKinds.h"
#include "edits/DocumentEdits.h"
#include "formats/OutputFile.h"
#include "formats/SequenceFile.h"
#include "model/Counts.h"
#include "model/DeviceItem.h"
#include "model/Effects.h"
#include "model/LedCell.h"
#include "model/LedStatesCommand.h"
#include "model/PanelDocument.h"
#include "model/ProgramItem.h"

#include <QCommandLineParser>

namespace {

struct Option
{
    const char* name;
    const char* value; // null for a flag
    const char* help;
};

const Option Options[] = {
    { "help", nullptr, QT_TRANSLATE_NOOP("GenerateCommand", "Show this help.") },
    { "o", "file", QT_TRANSLATE_NOOP("GenerateCommand", "The document to write.") },
    { "rings", "1,2,3,4", QT_TRANSLATE_NOOP("GenerateCommand", "Rings, R1 the innermost (default all).") },
    { "length", "n", QT_TRANSLATE_NOOP("GenerateCommand", "chase: LEDs per head.") },
    { "heads", "n", QT_TRANSLATE_NOOP("GenerateCommand", "chase: heads, a divisor of 48.") },
    { "step", "n",
        QT_TRANSLATE_NOOP("GenerateCommand", "spin, chase: positions per frame, negative the other way.") },
    { "count", "n",
        QT_TRANSLATE_NOOP("GenerateCommand",
            "chase, dissolve, twinkle: frames, 1 to 2000; hold: copies, 1 to 1000 (default 1).") },
    { "start", "p", QT_TRANSLATE_NOOP("GenerateCommand", "fill: the first position to light.") },
    { "direction", "1|-1", QT_TRANSLATE_NOOP("GenerateCommand", "fill: rising or falling positions.") },
    { "per-frame", "n", QT_TRANSLATE_NOOP("GenerateCommand", "fill: LEDs added per frame.") },
    { "then-empty", nullptr,
        QT_TRANSLATE_NOOP("GenerateCommand", "fill: then empty the rings the same way.") },
    { "outward", nullptr,
        QT_TRANSLATE_NOOP("GenerateCommand", "ripple: from the inner ring out (default).") },
    { "inward", nullptr, QT_TRANSLATE_NOOP("GenerateCommand", "ripple: from the outer ring in.") },
    { "width", "n", QT_TRANSLATE_NOOP("GenerateCommand", "ripple: rings lit at once, 1 to 4.") },
    { "bounce", nullptr, QT_TRANSLATE_NOOP("GenerateCommand", "ripple: and back again.") },
    { "frame", "n",
        QT_TRANSLATE_NOOP("GenerateCommand",
            "spin, blink, dissolve: the frame to start from (default the one the new frames follow); hold: "
            "the frame to copy (default the last); repeat, reverse, pingpong: the run's first frame "
            "(default 1).") },
    { "times", "n", QT_TRANSLATE_NOOP("GenerateCommand", "blink: how often; repeat: 1 to 100 (default 1).") },
    { "invert", nullptr, QT_TRANSLATE_NOOP("GenerateCommand", "blink: the inverse instead of dark.") },
    { "to", "n",
        QT_TRANSLATE_NOOP("GenerateCommand",
            "dissolve: the frame to end at (default the next); repeat, reverse, pingpong: the run's "
            "last frame (default the last).") },
    { "density", "percent", QT_TRANSLATE_NOOP("GenerateCommand", "twinkle: chance of each LED, 0 to 100.") },
    { "seed", "x", QT_TRANSLATE_NOOP("GenerateCommand", "dissolve, twinkle: the random sequence.") },
    { "after", "n",
        QT_TRANSLATE_NOOP("GenerateCommand", "Insert after this frame (default the last; 0: first).") },
    { "over", "n",
        QT_TRANSLATE_NOOP("GenerateCommand",
            "Lay the frames over the Program's frames from this one on, instead of inserting; frames past "
            "the last are added at the end.") },
    { "combine", "how",
        QT_TRANSLATE_NOOP("GenerateCommand",
            "replace (default), add, remove or toggle: how the effect meets the frames it lands on.") },
    { "keep", nullptr,
        QT_TRANSLATE_NOOP("GenerateCommand",
            "New frames start as a copy of the --after or --over frame instead of dark.") },
    { "ease", "pace",
        QT_TRANSLATE_NOOP("GenerateCommand", "spin, chase: linear (default), in, out or in-out.") },
    { "density-end", "percent",
        QT_TRANSLATE_NOOP("GenerateCommand", "twinkle: the chance at the last frame, 0 to 100.") },
};

// The words --combine and --ease take, in the order of their enums.
const char* const CombineKeys[] = { "replace", "add", "remove", "toggle" };
const char* const EaseKeys[] = { "linear", "in", "out", "in-out" };

template <std::size_t N> int indexOf(const char* const (&keys)[N], const QString& word)
{
    for (std::size_t k = 0; k < N; ++k) {
        if (word == QLatin1String(keys[k]))
            return int(k);
    }
    return -1;
}

} // namespace

GenerateCommand::GenerateCommand(CliContext& context)
    : CliCommand(context)
{
}

QStringList GenerateCommand::names() const
{
    return { QStringLiteral("generate") };
}

QList<QCommandLineOption> GenerateCommand::options() const
{
    QList<QCommandLineOption> options;
    for (const Option& option : Options) {
        const QString help = tr(option.help);
        QStringList names { QLatin1String(option.name) };
        if (names.first() == QLatin1String("o"))
            names << QStringLiteral("output");
        options << (option.value ? QCommandLineOption(names, help, QLatin1String(option.value))
                                 : QCommandLineOption(names, help));
    }
    return options;
}

void GenerateCommand::describe(QCommandLineParser* parser) const
{
    parser->setApplicationDescription(
        tr("Adds the frames of an effect to the document's Program; KIND is spin, chase, fill, ripple, "
           "blink, dissolve or twinkle. Or reworks a run of its frames: hold adds copies of a frame after "
           "it, repeat the run again after it, reverse turns it round in place, pingpong adds it backwards "
           "after it. Frames are numbered from 1 as in the editor's tree."));
    parser->addPositionalArgument(QStringLiteral("generate"), tr("The command."));
    parser->addPositionalArgument(QStringLiteral("DOC"), tr("The document."));
    parser->addPositionalArgument(QStringLiteral("KIND"), tr("The effect."));
}

int GenerateCommand::run(const QCommandLineParser& parser)
{
    const QStringList args = parser.positionalArguments();
    if (args.size() != 3 || args.at(0) != QLatin1String("generate"))
        return m_context.usage(tr("generate takes DOC KIND -o OUT.xml"));
    Request request;
    request.kind = args.at(2);
    const bool frameRun = FrameRunKinds::isKind(request.kind);
    if (!frameRun && !Effects::kindFromKey(request.kind, &request.effect.kind))
        return m_context.usage(tr("unknown effect '%1': spin, chase, fill, ripple, blink, dissolve, twinkle, "
                                  "hold, repeat, reverse or pingpong")
                                   .arg(request.kind));
    request.output = parser.value(QStringLiteral("o"));
    if (request.output.isEmpty())
        return m_context.usage(tr("generate needs -o OUT.xml"));
    if (OutputFile::sameFile(args.at(1), request.output))
        return m_context.sameFile(request.output);
    if (frameRun)
        return FrameRunKinds(m_context).run(parser, args.at(1), request.kind, request.output);
    const QString wrong = readParameters(parser, &request);
    if (!wrong.isEmpty())
        return m_context.usage(wrong);

    const std::unique_ptr<PanelDocument> document = m_context.load(args.at(1));
    if (!document)
        return CliContext::BadInput;
    ProgramItem* program = document->deviceItem()->program(0);
    if (!program)
        return m_context.usage(tr("%1 has no Program").arg(args.at(1)));
    return addFrames(document.get(), program, request);
}

QString GenerateCommand::readParameters(const QCommandLineParser& parser, Request* request)
{
    EffectRequest& effect = request->effect;
    QString wrong;
    // True when the option is given and a whole number.
    auto given = [&](const char* name, int* value) {
        if (!parser.isSet(QLatin1String(name)))
            return false;
        if (wholeNumber(parser.value(QLatin1String(name)), value))
            return true;
        if (wrong.isEmpty())
            wrong = tr("--%1 takes a whole number").arg(QLatin1String(name));
        return false;
    };
    auto frame = [&](const char* name, std::optional<int>* value) {
        int parsed = 0;
        if (given(name, &parsed))
            *value = parsed;
    };
    given("length", &effect.length);
    given("heads", &effect.heads);
    given("step", &effect.step);
    given("count", &effect.count);
    given("start", &effect.start);
    given("direction", &effect.direction);
    given("per-frame", &effect.perFrame);
    given("width", &effect.width);
    given("times", &effect.times);
    given("density", &effect.density);
    frame("frame", &request->frame);
    frame("to", &request->to);
    frame("after", &request->after);
    frame("over", &request->over);
    given("density-end", &effect.densityEnd);
    if (!wrong.isEmpty())
        return wrong;
    if (parser.isSet(QStringLiteral("density-end")) && (effect.densityEnd < 0 || effect.densityEnd > 100))
        return tr("--density-end takes 0 to 100");
    if (parser.isSet(QStringLiteral("seed"))) {
        // Digits alone: toUInt() would also take blanks and a sign.
        const QString seed = parser.value(QStringLiteral("seed"));
        bool ok = false;
        effect.seed = seed.toUInt(&ok);
        if (!ok || QString::number(effect.seed) != seed)
            return tr("--seed takes a number from 0 to 4294967295");
    }
    if (parser.isSet(QStringLiteral("rings"))) {
        effect.ringMask = 0;
        for (const QString& ring : parser.value(QStringLiteral("rings")).split(QLatin1Char(','))) {
            int r = 0;
            if (!numberIn(ring.trimmed(), 1, 4, &r))
                return tr("--rings takes ring numbers 1 to 4, such as 1,3");
            effect.ringMask |= 1 << (r - 1);
        }
    }
    if (parser.isSet(QStringLiteral("outward")) && parser.isSet(QStringLiteral("inward")))
        return tr("--outward and --inward exclude each other");
    effect.outward = !parser.isSet(QStringLiteral("inward"));
    effect.thenEmpty = parser.isSet(QStringLiteral("then-empty"));
    effect.bounce = parser.isSet(QStringLiteral("bounce"));
    effect.invert = parser.isSet(QStringLiteral("invert"));
    return readPlacement(parser, request);
}

QString GenerateCommand::readPlacement(const QCommandLineParser& parser, Request* request)
{
    EffectRequest& effect = request->effect;
    if (request->after && request->over)
        return tr("--after and --over exclude each other");
    effect.over = request->over.has_value();
    effect.keepOtherRings = parser.isSet(QStringLiteral("keep"));
    if (parser.isSet(QStringLiteral("combine"))) {
        const int how = indexOf(CombineKeys, parser.value(QStringLiteral("combine")));
        if (how < 0)
            return tr("--combine takes replace, add, remove or toggle");
        effect.combine = EffectRequest::Combine(how);
    }
    if (parser.isSet(QStringLiteral("ease"))) {
        const int pace = indexOf(EaseKeys, parser.value(QStringLiteral("ease")));
        if (pace < 0)
            return tr("--ease takes linear, in, out or in-out");
        effect.ease = EffectRequest::Ease(pace);
    }
    return QString();
}

int GenerateCommand::addFrames(PanelDocument* document, ProgramItem* program, const Request& request)
{
    const EffectRequest& effect = request.effect;
    const QList<LedStatesCommand*> frames = SequenceFile::frames(program);
    const int count = frames.size();
    if (request.over && (*request.over < 1 || *request.over > count))
        return m_context.usage(count == 0 ? tr("--over needs a frame, and the Program has none")
                                          : tr("--over takes 1 to %1, the Program's frames").arg(count));
    const int after = request.after.value_or(count);
    if (after < 0 || after > count)
        return m_context.usage(tr("--after takes 0 to %1, the Program's frames").arg(count));
    // The frame the effect is placed at: the first it lies over, or the one
    // it follows.
    const int place = request.over.value_or(after);
    const int from = request.frame.value_or(place > 0 ? place : 1);
    const int until = request.to.value_or(count > 0 ? from % count + 1 : 1);
    const bool needsFrame = effect.kind == EffectRequest::Spin || effect.kind == EffectRequest::Blink
        || effect.kind == EffectRequest::Dissolve;
    if (needsFrame && (from < 1 || from > count))
        return m_context.usage(count == 0 ? tr("%1 needs a frame, and the Program has none").arg(request.kind)
                                          : tr("--frame takes 1 to %1, the Program's frames").arg(count));
    if (effect.kind == EffectRequest::Dissolve && (until < 1 || until > count))
        return m_context.usage(tr("--to takes 1 to %1, the Program's frames").arg(count));

    const QVector<int> shown = needsFrame ? frames.at(from - 1)->values() : QVector<int>();
    const QVector<int> to
        = effect.kind == EffectRequest::Dissolve ? frames.at(until - 1)->values() : QVector<int>();
    const QString problem = Effects::problem(effect, shown, to);
    if (!problem.isEmpty())
        return m_context.usage(problem);
    const QList<QVector<int>> added = Effects::generate(effect, shown, to);
    const QList<QVector<int>> values = Effects::placedOn(effect, added, frames, place);
    const int laidOver = effect.over ? qMin(added.size(), count - place + 1) : 0;
    if (!m_context.framesFit(document, added.size() - laidOver))
        return CliContext::BadInput;

    const QString text = tr("Generate %1").arg(Effects::kindText(effect.kind));
    if (effect.over) {
        document->edits()->layFrames(frames, place - 1, values, text);
    } else {
        // After frame N: right behind it, so that a Stop or Call after the
        // last frame keeps its place.
        const int row = after > 0 ? frames.at(after - 1)->row() + 1 : 0;
        document->edits()->insertFrames(program, row, values, text);
    }
    if (!m_context.save(document, request.output))
        return CliContext::LineFailed;
    m_context.print(effect.over
            ? tr("%1 laid over frame %2 on, written to %3")
                  .arg(Counts::frames(added.size()), QString::number(place), request.output)
            : tr("%1 added after frame %2, written to %3")
                  .arg(Counts::frames(added.size()), QString::number(after), request.output));
    return CliContext::Success;
}
