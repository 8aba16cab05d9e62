#include "UnitReporter.h"

#include "FlashRun.h"
#include "MspFlasher/MspFlasher.h"

#include <QSerialPort>

#include <algorithm>
#include <csignal>
#include <unistd.h>

#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

UnitReporter::UnitReporter(std::FILE* out, QObject* parent)
    : QObject(parent)
    , m_Out(out)
{
}

UnitReporter::~UnitReporter() = default;

void UnitReporter::becomeUnit()
{
    ::setpgid(0, 0);
#ifdef Q_OS_LINUX
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
#endif
}

void UnitReporter::tagged(const char* tag, const QString& text)
{
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(m_Out, "%s %s\n", tag, line.toUtf8().constData());
    std::fflush(m_Out);
}

void UnitReporter::report(const QString& line)
{
    tagged("report", line);
}

void UnitReporter::progress(int percent)
{
    percent = std::clamp(percent, 0, 100);
    if (percent == m_Percent)
        return;
    m_Percent = percent;
    tagged("progress", QString::number(percent));
}

void UnitReporter::reason(const QString& text)
{
    tagged("reason", text);
}

void UnitReporter::watch(FlashRun* run, MspFlasher* flasher, QSerialPort* port)
{
    m_pSerialPort = port;
    m_pMspFlasher = flasher;
    connect(run, &FlashRun::report, this, [this](const QString& line) {
        report(line);
        // The engine names the error, the run the step it ended.
        if (m_StepFollows && line != m_EngineError) {
            m_FailedStep = line;
            m_StepFollows = false;
        }
        m_PreviousLine = m_LastLine;
        m_LastLine = line;
    });
    // The run closes the port right after announcing it: the line before
    // that announcement says what went wrong.
    connect(port, &QSerialPort::aboutToClose, this, [this] { m_BeforeClose = m_PreviousLine; });
    connect(flasher, &MspFlasher::message, this, [this](const QString& text) {
        m_EngineError = text;
        m_FailedStep.clear();
        m_StepFollows = true;
    });
    connect(flasher, &MspFlasher::progress, this, [this](int percent) {
        ++m_ProgressSignals;
        progress(percent);
    });
}

qint64 UnitReporter::bytesTaken() const
{
    constexpr qint64 BlockSize = 16;
    qint64 blocks = m_ProgressSignals - 1;
    qint64 bytes = 0;
    for (const sMemory& segment : m_pMspFlasher->memoryData()) {
        for (qint64 offset = 0; offset < segment.data.size() && blocks > 0; offset += BlockSize, --blocks)
            bytes += std::min(BlockSize, segment.data.size() - offset);
    }
    return bytes;
}

void UnitReporter::finish(int outcome)
{
    if (m_pMspFlasher)
        tagged("bytes", QString::number(bytesTaken()));
    switch (outcome) {
    case FlashRun::Succeeded:
    case FlashRun::Canceled:
        return;
    case FlashRun::PortFailed:
        reason(m_pSerialPort ? m_pSerialPort->errorString() : m_LastLine);
        return;
    case FlashRun::DeviceFailed:
        // "unplugged during write (63 %)" says it all, without the step.
        if (m_pMspFlasher && m_pMspFlasher->unplugged()) {
            reason(m_EngineError);
            return;
        }
        if (!m_EngineError.isEmpty()) {
            reason(m_FailedStep.isEmpty() ? m_EngineError : m_FailedStep + QLatin1Char(' ') + m_EngineError);
            return;
        }
        break;
    default:
        break;
    }
    reason(m_BeforeClose.isEmpty() ? m_LastLine : m_BeforeClose);
}
