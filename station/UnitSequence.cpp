#include "UnitSequence.h"

#include "Fleet/PortFleet.h"
#include "Fleet/PortUnit.h"
#include "TestPattern.h"
#include "player/PanelCommand.h"

#include <QFileInfo>
#include <QRegularExpression>

UnitSequence::UnitSequence(
    const Setup& setup, const QString& port, const PortIdentity& identity, QObject* parent)
    : QObject(parent)
    , m_Setup(setup)
    , m_Identity(identity)
{
    m_State.port = port;
    m_State.label = QFileInfo(port).fileName();
    m_State.since = QDateTime::currentDateTime();
    m_Frames.setSingleShot(true);
    connect(&m_Frames, &QTimer::timeout, this, &UnitSequence::nextFrame);
    connect(&m_Panel, &QSerialPort::errorOccurred, this, [this](QSerialPort::SerialPortError error) {
        if (error != QSerialPort::NoError && m_State.verdictWanted) {
            stopPattern();
            fail(failureOf(m_Panel.errorString(), -1));
        }
    });
}

UnitSequence::~UnitSequence() = default;

void UnitSequence::setSerial(const QString& serial)
{
    m_State.serial = serial;
    emit changed(m_State);
}

void UnitSequence::askSerial()
{
    m_State.serialWanted = true;
    emit changed(m_State);
}

void UnitSequence::start(const QString& serial)
{
    m_State.serial = serial;
    m_State.serialWanted = false;
    m_Clock.start();
    enter(UnitState::Step::Firmware);
    runChild(m_Setup.romwright,
        PortFleet::flashArguments(
            m_Setup.controller, m_Setup.baud, m_Setup.writeVectorArea, m_Setup.firmware));
}

void UnitSequence::enter(UnitState::Step step)
{
    m_State.step = step;
    m_State.percent = step == UnitState::Step::Passed || step == UnitState::Step::Failed ? -1 : 0;
    m_State.since = QDateTime::currentDateTime();
    emit changed(m_State);
}

void UnitSequence::runChild(const QString& program, const QStringList& arguments)
{
    auto* child = new PortUnit(m_State.port, m_State.label, this);
    m_pChild = child;
    connect(child, &PortUnit::progress, this, [this](int percent) {
        m_State.percent = percent;
        emit changed(m_State);
    });
    connect(child, &PortUnit::finished, this, &UnitSequence::childEnded);
    child->start(program, PortFleet::unitArguments(arguments, m_State.port));
    if (m_Canceled)
        child->cancel();
}

void UnitSequence::childEnded()
{
    PortUnit* child = m_pChild;
    // Deleted once its own signal has returned.
    child->deleteLater();
    if (m_State.step == UnitState::Step::Firmware)
        m_Bytes = PortFleet::bytesWritten(*child, m_Setup.firmwareBytes);
    if (child->outcome() == 4 || m_Canceled) {
        finish(QStringLiteral("canceled"), 4);
        return;
    }
    if (child->outcome() != 0) {
        fail(failureOf(child->reason(), child->percent()), unplugged() ? 1 : child->outcome());
        return;
    }
    if (m_State.step == UnitState::Step::Firmware && !m_Setup.testDocument.isEmpty())
        writeTestPattern();
    else if (m_State.step == UnitState::Step::Test)
        showPattern();
    else if (m_State.step == UnitState::Step::Program)
        finish(QStringLiteral("ok"), 0);
    else {
        enter(UnitState::Step::Program);
        runChild(m_Setup.kamdel, { QStringLiteral("write"), m_Setup.program });
    }
}

void UnitSequence::writeTestPattern()
{
    enter(UnitState::Step::Test);
    runChild(m_Setup.kamdel, { QStringLiteral("write"), m_Setup.testDocument });
}

// The panel steps through the pattern at the pattern's own pace while the
// operator looks; the write left it on its first frame.
void UnitSequence::showPattern()
{
    m_Panel.setPortName(PortIdentity::portName(m_State.port));
    m_Panel.setBaudRate(QSerialPort::Baud57600);
    if (!m_Panel.open(QIODevice::ReadWrite)) {
        fail(failureOf(m_Panel.errorString(), -1));
        return;
    }
    m_Frame = 0;
    m_State.percent = -1;
    m_State.verdictWanted = true;
    m_Frames.start(TestPattern::pauseMs(m_Frame));
    emit changed(m_State);
}

void UnitSequence::nextFrame()
{
    if (m_Panel.write(PanelCommand::word(PanelCommand::Next)) < 0)
        return; // errorOccurred has failed the unit
    m_Frame = (m_Frame + 1) % TestPattern::frameCount();
    m_Frames.start(TestPattern::pauseMs(m_Frame));
}

void UnitSequence::stopPattern()
{
    m_Frames.stop();
    m_State.verdictWanted = false;
    m_Panel.close();
}

void UnitSequence::setVerdict(bool pass)
{
    if (!m_State.verdictWanted || m_Ended)
        return;
    stopPattern();
    m_Test = pass ? QStringLiteral("pass") : QStringLiteral("fail");
    if (!pass) {
        fail({ QStringLiteral("Not every LED lit in the test"), tr("Not every LED lit in the test") });
        return;
    }
    enter(UnitState::Step::Program);
    runChild(m_Setup.kamdel, { QStringLiteral("write"), m_Setup.program });
}

void UnitSequence::cancel()
{
    m_Canceled = true;
    if (m_pChild && m_pChild->isRunning()) {
        m_pChild->cancel();
    } else if (m_State.verdictWanted) {
        stopPattern();
        finish(QStringLiteral("canceled"), 4);
    }
}

void UnitSequence::fail(const Failure& reason, int outcome)
{
    m_State.reason = reason.shown;
    finish(QStringLiteral("%1: %2").arg(
               outcome == 3 ? QStringLiteral("not opened") : QStringLiteral("failed"), reason.logged),
        outcome);
}

void UnitSequence::finish(const QString& result, int outcome)
{
    if (m_Ended)
        return;
    m_Ended = true;
    UnitRecord record = m_Setup.record;
    record.time = QDateTime::currentDateTime();
    record.port = m_State.port;
    record.serial = PortFleet::serialNumberOf(m_State.port);
    record.unit = m_State.serial;
    record.step = outcome == 0 ? QStringLiteral("done") : stepName();
    record.result = result;
    record.outcome = outcome;
    record.seconds = m_Clock.nsecsElapsed() / 1e9;
    record.bytes = m_Bytes;
    record.test = m_Test;
    if (outcome == 4)
        m_State.reason = tr("Canceled");
    enter(outcome == 0 ? UnitState::Step::Passed : UnitState::Step::Failed);
    emit finished(record);
}

// The log names steps in English whatever the window's language.
QString UnitSequence::stepName(bool translated) const
{
    static const char* const names[] = { QT_TR_NOOP("firmware"), QT_TR_NOOP("test"), QT_TR_NOOP("program") };
    const char* name = m_State.step == UnitState::Step::Test ? names[1]
        : m_State.step == UnitState::Step::Program           ? names[2]
                                                             : names[0];
    return translated ? tr(name) : QString::fromLatin1(name);
}

// The port's device file is gone, or is another device's by now.
bool UnitSequence::unplugged() const
{
    return PortIdentity(m_State.port) != m_Identity;
}

UnitSequence::Failure UnitSequence::failure(const char* pattern, const QStringList& more) const
{
    // Multi-argument arg(): a child's reason may hold a '%' of its own.
    const auto fill = [&more](const QString& text, const QString& step) {
        return more.isEmpty() ? text.arg(step) : text.arg(step, more.first());
    };
    return { fill(QString::fromLatin1(pattern), stepName()), fill(tr(pattern), stepName(true)) };
}

UnitSequence::Failure UnitSequence::failureOf(const QString& reason, int percent) const
{
    if (unplugged())
        return percent < 0 ? failure(QT_TR_NOOP("Unplugged during %1"))
                           : failure(QT_TR_NOOP("Unplugged during %1 (%2 %)"), { QString::number(percent) });
    static const QRegularExpression silent(QStringLiteral("time(d)? ?out|no answer|not answer|no response"),
        QRegularExpression::CaseInsensitiveOption);
    if (silent.match(reason).hasMatch())
        return failure(QT_TR_NOOP("No answer during %1"));
    // The tile says which step the child's own (English) reason belongs to:
    // "firmware: Invalid device version!"
    return failure(QT_TR_NOOP("%1: %2"), { reason });
}
