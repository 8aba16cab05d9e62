#include "PortUnit.h"

#include <QRegularExpression>

#include <csignal>

PortUnit::PortUnit(const QString& port, const QString& label, QObject* parent)
    : QObject(parent)
    , m_Port(port)
    , m_Label(label)
{
    connect(&m_Process, &QProcess::readyReadStandardOutput, this, &PortUnit::readOutput);
    connect(&m_Process, &QProcess::readyReadStandardError, this, &PortUnit::readErrors);
    connect(
        &m_Process, QOverload<int, QProcess::ExitStatus>::of(&QProcess::finished), this, &PortUnit::ended);
    connect(&m_Process, &QProcess::errorOccurred, this, &PortUnit::failedToStart);
    // A cancel that came before the process was there.
    connect(&m_Process, &QProcess::started, this, [this] {
        if (m_Canceled)
            cancel();
    });
}

PortUnit::~PortUnit()
{
    if (m_Process.state() == QProcess::NotRunning)
        return;
    m_Process.disconnect(this);
    m_Process.kill();
    m_Process.waitForFinished(5000);
}

void PortUnit::start(const QString& program, const QStringList& arguments)
{
    m_Running = true;
    m_Clock.start();
    m_Process.start(program, arguments);
}

void PortUnit::cancel()
{
    m_Canceled = true;
    // Never process 0: that would be this program's whole process group.
    const qint64 pid = m_Process.processId();
    if (m_Process.state() != QProcess::NotRunning && pid > 0)
        ::kill(pid_t(pid), SIGINT);
}

double PortUnit::seconds() const
{
    return (m_Running ? m_Clock.nsecsElapsed() : m_Nanoseconds) / 1e9;
}

void PortUnit::readOutput()
{
    while (m_Process.canReadLine()) {
        QString line = QString::fromUtf8(m_Process.readLine());
        line.chop(1);
        const int space = line.indexOf(QLatin1Char(' '));
        const QStringRef tag = line.leftRef(space);
        const QString text = space < 0 ? QString() : line.mid(space + 1);
        if (tag == QLatin1String("report")) {
            emit report(text);
        } else if (tag == QLatin1String("progress")) {
            m_Percent = text.toInt();
            emit progress(m_Percent);
        } else if (tag == QLatin1String("bytes")) {
            m_Bytes = text.toLongLong();
        } else if (tag == QLatin1String("reason")) {
            m_Reason = text;
        } else {
            emit report(line);
        }
    }
}

void PortUnit::readErrors()
{
    m_Process.setReadChannel(QProcess::StandardError);
    while (m_Process.canReadLine()) {
        QString line = QString::fromLocal8Bit(m_Process.readLine()).trimmed();
        if (line.isEmpty())
            continue;
        m_LastProblem = line;
        emit problem(line);
    }
    m_Process.setReadChannel(QProcess::StandardOutput);
}

void PortUnit::ended(int exitCode, QProcess::ExitStatus status)
{
    if (!m_Running)
        return;
    readOutput();
    // What is left without a line end.
    const QByteArray rest = m_Process.readAllStandardOutput();
    if (!rest.isEmpty())
        emit report(QString::fromUtf8(rest).trimmed());
    readErrors();
    const QString restError = QString::fromLocal8Bit(m_Process.readAllStandardError()).trimmed();
    if (!restError.isEmpty()) {
        m_LastProblem = restError;
        emit problem(restError);
    }
    m_Nanoseconds = m_Clock.nsecsElapsed();
    m_Running = false;
    if (status == QProcess::CrashExit) {
        // A unit stopped by the cancel before it could catch it.
        m_Outcome = m_Canceled ? 4 : 1;
        if (!m_Canceled && m_Reason.isEmpty())
            m_Reason = tr("the flashing process stopped unexpectedly");
    } else {
        m_Outcome = exitCode == 0 || exitCode == 3 || exitCode == 4 ? exitCode : 1;
    }
    if (m_Reason.isEmpty()) {
        // The program's own error message, without its name in front.
        m_Reason = m_LastProblem;
        m_Reason.remove(QRegularExpression(QStringLiteral("^[\\w-]+: ")));
    }
    if (m_Reason.isEmpty() && status == QProcess::NormalExit)
        m_Reason = tr("exit status %1").arg(exitCode);
    emit finished();
}

void PortUnit::failedToStart(QProcess::ProcessError error)
{
    if (error != QProcess::FailedToStart || !m_Running)
        return;
    m_Nanoseconds = m_Clock.nsecsElapsed();
    m_Running = false;
    m_Outcome = 1;
    m_Reason = m_Process.errorString();
    emit finished();
}

QString PortUnit::result() const
{
    switch (m_Outcome) {
    case 0:
        return QStringLiteral("ok");
    case 3:
        return QStringLiteral("not opened: %1").arg(m_Reason);
    case 4:
        return QStringLiteral("canceled");
    default:
        return QStringLiteral("failed: %1").arg(m_Reason);
    }
}
