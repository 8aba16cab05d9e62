#include "RecipeStation.h"
#include "CommandLine.h"

#include "Fleet/PortFleet.h"
#include "Recipe.h"
#include "Station.h"

#include <QEventLoop>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

void printLine(std::FILE* out, const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), out);
    std::fflush(out);
}

QString stepText(UnitState::Step step)
{
    switch (step) {
    case UnitState::Step::Firmware:
        return RecipeStation::tr("writing the firmware");
    case UnitState::Step::Test:
        return RecipeStation::tr("testing");
    case UnitState::Step::Program:
        return RecipeStation::tr("writing the light program");
    default:
        return QString();
    }
}

} // namespace

RecipeStation::RecipeStation(QObject* parent)
    : QObject(parent)
    , m_Input(STDIN_FILENO, QSocketNotifier::Read)
{
    m_Input.setEnabled(false);
    connect(&m_Input, &QSocketNotifier::activated, this, &RecipeStation::readInput);
}

RecipeStation::~RecipeStation() = default;

int RecipeStation::run(const QString& recipePath, StationRun::Options options)
{
    Recipe recipe;
    QString error;
    if (!recipe.read(recipePath, &error)) {
        printLine(stderr, QStringLiteral("romwright: %1").arg(error));
        return CommandLine::PortFailed;
    }
    if (options.operatorName.isEmpty() && !askOperator(&options.operatorName))
        return CommandLine::Usage;
    m_pRun = std::make_unique<StationRun>(recipe, options);
    connect(m_pRun.get(), &StationRun::unitChanged, this, &RecipeStation::unitChanged);
    connect(m_pRun.get(), &StationRun::unitFinished, this, &RecipeStation::unitFinished);
    connect(m_pRun.get(), &StationRun::message, this,
        [](const QString& text) { printLine(stderr, QStringLiteral("romwright: %1").arg(text)); });
    connect(m_pRun.get(), &StationRun::idle, this, [this] {
        m_Idle = true;
        finishIfDone();
    });
    printLine(stderr, tr("Recipe: %1, watching %2").arg(recipePath, recipe.watch.join(QStringLiteral(", "))));
    if (!m_pRun->start(&error)) {
        printLine(stderr, QStringLiteral("romwright: %1").arg(error));
        return CommandLine::PortFailed;
    }
    m_Input.setEnabled(!m_InputEnded);
    QEventLoop loop;
    m_pLoop = &loop;
    // A Ctrl+C that came before the station was there.
    if (m_Interrupts > 0)
        m_pRun->stopWatching();
    if (!m_Idle)
        loop.exec();
    m_pLoop = nullptr;
    printLine(stderr, PortFleet::totalsLine(m_Records));
    const auto any = [this](auto test) { return std::any_of(m_Records.cbegin(), m_Records.cend(), test); };
    if (any([](const UnitRecord& r) { return r.outcome != 0 && r.outcome != 4; }))
        return CommandLine::DeviceFailed;
    return any([](const UnitRecord& r) { return r.outcome == 4; }) ? CommandLine::Canceled
                                                                   : CommandLine::Success;
}

void RecipeStation::interrupt()
{
    ++m_Interrupts;
    if (!m_pRun)
        return;
    if (m_Interrupts >= 2) {
        m_pRun->cancelAll();
    } else {
        if (m_pRun->running() > 0)
            printLine(stderr, Station::stoppingText());
        m_pRun->stopWatching();
    }
}

// Asked before the station starts, so that every unit's line names its operator.
bool RecipeStation::askOperator(QString* name)
{
    while (name->isEmpty()) {
        std::fputs(qPrintable(tr("Operator name? ")), stdout);
        std::fflush(stdout);
        while (!takeLine(name)) {
            char buffer[256];
            const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
            if (got <= 0) {
                m_InputEnded = true;
                printLine(stderr, tr("romwright: no operator name given"));
                return false;
            }
            m_Pending.append(buffer, int(got));
        }
    }
    return true;
}

bool RecipeStation::takeLine(QString* line)
{
    const int end = m_Pending.indexOf('\n');
    if (end < 0)
        return false;
    *line = QString::fromLocal8Bit(m_Pending.left(end)).trimmed();
    m_Pending.remove(0, end + 1);
    return true;
}

void RecipeStation::readInput()
{
    char buffer[4096];
    const ssize_t got = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (got > 0) {
        m_Pending.append(buffer, int(got));
    } else {
        m_InputEnded = true;
        m_Input.setEnabled(false);
    }
    ask();
}

void RecipeStation::unitChanged(const UnitState& state)
{
    const UnitState before = m_States.value(state.port);
    m_States.insert(state.port, state);
    const QString step = stepText(state.step);
    if (state.step != before.step && !step.isEmpty())
        printLine(stderr, QStringLiteral("%1: %2").arg(state.label, step));
    for (const bool verdict : { false, true }) {
        const Question question { state.port, verdict };
        const bool queued = std::any_of(m_Questions.cbegin(), m_Questions.cend(),
            [&](const Question& q) { return q.port == state.port && q.verdict == verdict; });
        if (!queued && stillWanted(question))
            m_Questions << question;
    }
    ask();
}

void RecipeStation::unitFinished(const UnitRecord& record)
{
    m_Records << record;
    printLine(stdout, PortFleet::summaryLine(record, QFileInfo(record.port).fileName()));
}

bool RecipeStation::stillWanted(const Question& question) const
{
    const UnitState state = m_States.value(question.port);
    return question.verdict ? state.verdictWanted : state.serialWanted;
}

// The first question still wanted, once; answered from the lines that came.
void RecipeStation::ask()
{
    while (!m_Asked && !m_Questions.isEmpty() && !stillWanted(m_Questions.first()))
        m_Questions.removeFirst();
    if (m_Questions.isEmpty())
        return;
    if (!m_Asked) {
        const Question& question = m_Questions.first();
        const QString label = m_States.value(question.port).label;
        std::fputs(qPrintable(question.verdict ? tr("%1: every LED lit? Pass (P) / Fail (F) ").arg(label)
                                               : tr("%1: serial number? ").arg(label)),
            stdout);
        std::fflush(stdout);
        m_Asked = true;
    }
    QString line;
    if (takeLine(&line)) {
        answer(line);
    } else if (m_InputEnded) {
        // No one is left to answer: the units waiting cannot go on.
        printLine(stderr, tr("romwright: standard input ended; canceling"));
        m_Questions.clear();
        m_pRun->cancelAll();
    }
}

void RecipeStation::answer(const QString& line)
{
    const Question question = m_Questions.takeFirst();
    m_Asked = false;
    QString problem;
    const QChar letter = line.isEmpty() ? QChar() : line.at(0).toUpper();
    if (!question.verdict && !m_pRun->setSerial(question.port, line, &problem)) {
        printLine(stdout, QStringLiteral("%1: %2").arg(m_States.value(question.port).label, problem));
        m_Questions.prepend(question);
    } else if (question.verdict && line.size() == 1 && (letter == 'P' || letter == 'F')) {
        m_pRun->setVerdict(question.port, letter == 'P');
    } else if (question.verdict) {
        m_Questions.prepend(question);
    }
    ask();
}

void RecipeStation::finishIfDone()
{
    if (m_Idle && m_pLoop)
        m_pLoop->quit();
}
