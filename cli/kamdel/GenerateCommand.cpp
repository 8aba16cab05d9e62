#include "GenerateCommand.h"

#include "KamdelCli.h"
#include "edits/DocumentEdits.h"
#include "formats/SequenceFile.h"
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
    { "count", "n", QT_TRANSLATE_NOOP("GenerateCommand", "chase, dissolve, twinkle: frames, 1 to 2000.") },
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
            "spin, blink, dissolve: the frame to start from (default the one the "
            "new frames follow).") },
    { "times", "n", QT_TRANSLATE_NOOP("GenerateCommand", "blink: how often.") },
    { "invert", nullptr, QT_TRANSLATE_NOOP("GenerateCommand", "blink: the inverse instead of dark.") },
    { "to", "n", QT_TRANSLATE_NOOP("GenerateCommand", "dissolve: the frame to end at (default the next).") },
    { "density", "percent", QT_TRANSLATE_NOOP("GenerateCommand", "twinkle: chance of each LED, 0 to 100.") },
    { "seed", "x", QT_TRANSLATE_NOOP("GenerateCommand", "dissolve, twinkle: the random sequence.") },
    { "after", "n",
        QT_TRANSLATE_NOOP("GenerateCommand", "Insert after this frame (default the last; 0: first).") },
};

QVector<int> valuesOf(const LedStatesCommand* frame)
{
    QVector<int> values;
    for (const LedCell* cell : frame->leds())
        values.append(cell->value());
    return values;
}

} // namespace

GenerateCommand::GenerateCommand(std::FILE* out, std::FILE* err, Loader load)
    : m_out(out)
    , m_err(err)
    , m_load(std::move(load))
{
}

GenerateCommand::~GenerateCommand() = default;

void GenerateCommand::printError(const QString& text)
{
    std::fprintf(m_err, "kamdel: %s\n", text.toLocal8Bit().constData());
}

int GenerateCommand::usage(const QString& message)
{
    printError(message);
    std::fputs("Try 'kamdel --help'.\n", m_err);
    return KamdelCli::Usage;
}

int GenerateCommand::run(const QStringList& arguments)
{
    QCommandLineParser parser;
    for (const Option& option : Options) {
        const QString help = tr(option.help);
        QStringList names { QLatin1String(option.name) };
        if (names.first() == QLatin1String("o"))
            names << QStringLiteral("output");
        parser.addOption(option.value ? QCommandLineOption(names, help, QLatin1String(option.value))
                                      : QCommandLineOption(names, help));
    }
    parser.setApplicationDescription(
        tr("Adds the frames of an effect to the document's Program; KIND is spin, chase, fill, ripple, "
           "blink, dissolve or twinkle. Frames are numbered from 1 as in the editor's tree."));
    parser.addPositionalArgument(QStringLiteral("generate"), tr("The command."));
    parser.addPositionalArgument(QStringLiteral("DOC"), tr("The document."));
    parser.addPositionalArgument(QStringLiteral("KIND"), tr("The effect."));
    if (!parser.parse(arguments))
        return usage(parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(parser.helpText().toLocal8Bit().constData(), m_out);
        return KamdelCli::Success;
    }
    const QStringList args = parser.positionalArguments();
    if (args.size() != 3 || args.at(0) != QLatin1String("generate"))
        return usage(tr("generate takes DOC KIND -o OUT.xml"));
    EffectRequest request;
    if (!Effects::kindFromKey(args.at(2), &request.kind))
        return usage(
            tr("unknown effect '%1': spin, chase, fill, ripple, blink, dissolve or twinkle").arg(args.at(2)));
    const QString output = parser.value(QStringLiteral("o"));
    if (output.isEmpty())
        return usage(tr("generate needs -o OUT.xml"));

    QString wrong;
    auto number = [&](const char* name, int* value) {
        if (!parser.isSet(QLatin1String(name)))
            return;
        bool ok = false;
        const int parsed = parser.value(QLatin1String(name)).toInt(&ok);
        if (ok)
            *value = parsed;
        else if (wrong.isEmpty())
            wrong = tr("--%1 takes a whole number").arg(QLatin1String(name));
    };
    number("length", &request.length);
    number("heads", &request.heads);
    number("step", &request.step);
    number("count", &request.count);
    number("start", &request.start);
    number("direction", &request.direction);
    number("per-frame", &request.perFrame);
    number("width", &request.width);
    number("times", &request.times);
    number("density", &request.density);
    int frameNumber = -1;
    int toNumber = -1;
    int after = -1;
    number("frame", &frameNumber);
    number("to", &toNumber);
    number("after", &after);
    if (!wrong.isEmpty())
        return usage(wrong);
    if (parser.isSet(QStringLiteral("seed"))) {
        bool ok = false;
        request.seed = parser.value(QStringLiteral("seed")).toUInt(&ok);
        if (!ok)
            return usage(tr("--seed takes a number from 0 to 4294967295"));
    }
    if (parser.isSet(QStringLiteral("rings"))) {
        request.ringMask = 0;
        for (const QString& ring : parser.value(QStringLiteral("rings")).split(QLatin1Char(','))) {
            bool ok = false;
            const int r = ring.trimmed().toInt(&ok);
            if (!ok || r < 1 || r > 4)
                return usage(tr("--rings takes ring numbers 1 to 4, such as 1,3"));
            request.ringMask |= 1 << (r - 1);
        }
    }
    if (parser.isSet(QStringLiteral("outward")) && parser.isSet(QStringLiteral("inward")))
        return usage(tr("--outward and --inward exclude each other"));
    request.outward = !parser.isSet(QStringLiteral("inward"));
    request.thenEmpty = parser.isSet(QStringLiteral("then-empty"));
    request.bounce = parser.isSet(QStringLiteral("bounce"));
    request.invert = parser.isSet(QStringLiteral("invert"));

    const std::unique_ptr<PanelDocument> document = m_load(args.at(1));
    if (!document)
        return KamdelCli::BadInput;
    ProgramItem* program = document->deviceItem()->program(0);
    if (!program)
        return usage(tr("%1 has no Program").arg(args.at(1)));
    const QList<LedStatesCommand*> frames = SequenceFile::frames(program);
    const int count = frames.size();
    if (after == -1)
        after = count;
    if (after < 0 || after > count)
        return usage(tr("--after takes 0 to %1, the Program's frames").arg(count));
    if (frameNumber == -1)
        frameNumber = after > 0 ? after : 1;
    if (toNumber == -1)
        toNumber = count > 0 ? frameNumber % count + 1 : 1;
    const bool needsFrame = request.kind == EffectRequest::Spin || request.kind == EffectRequest::Blink
        || request.kind == EffectRequest::Dissolve;
    if (needsFrame && (frameNumber < 1 || frameNumber > count))
        return usage(count == 0 ? tr("%1 needs a frame, and the Program has none").arg(args.at(2))
                                : tr("--frame takes 1 to %1, the Program's frames").arg(count));
    if (request.kind == EffectRequest::Dissolve && (toNumber < 1 || toNumber > count))
        return usage(tr("--to takes 1 to %1, the Program's frames").arg(count));

    const QVector<int> shown = needsFrame ? valuesOf(frames.at(frameNumber - 1)) : QVector<int>();
    const QVector<int> to
        = request.kind == EffectRequest::Dissolve ? valuesOf(frames.at(toNumber - 1)) : QVector<int>();
    const QString problem = Effects::problem(request, shown, to);
    if (!problem.isEmpty())
        return usage(problem);
    const QList<QVector<int>> added = Effects::generate(request, shown, to);

    // After frame N: right behind it, so that a Stop or Call after the last
    // frame keeps its place.
    int row = after > 0 ? frames.at(after - 1)->row() + 1 : 0;
    document->edits()->insertFrames(
        program, row, added, tr("Generate %1").arg(Effects::kindText(request.kind)));

    if (!document->save(output)) {
        printError(document->errorString());
        return KamdelCli::LineFailed;
    }
    const QString line
        = tr("%1 frames added after frame %2, written to %3").arg(added.size()).arg(after).arg(output);
    std::fprintf(m_out, "%s\n", line.toLocal8Bit().constData());
    return KamdelCli::Success;
}
