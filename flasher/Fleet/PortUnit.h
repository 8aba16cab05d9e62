#pragma once

#include "romwright_export.h"

#include <QElapsedTimer>
#include <QObject>
#include <QProcess>
#include <QString>

// One port of a run over several: a child process of the program, started
// again for this port alone, whose tagged output (see UnitReporter) is read
// back. A port that stalls, fails or vanishes takes only its own process
// with it.
class ROMWRIGHT_EXPORT PortUnit : public QObject
{
    Q_OBJECT

public:
    explicit PortUnit(const QString& port, const QString& label, QObject* parent = nullptr);
    ~PortUnit() override;

    // `arguments` are the program's for this port, the unit-report option included.
    void start(const QString& program, const QStringList& arguments);
    // Cancels the unit as Ctrl+C cancels a single run.
    void cancel();

    QString port() const { return m_Port; }
    QString label() const { return m_Label; }
    bool isRunning() const { return m_Running; }
    int percent() const { return m_Percent; }
    // The bytes the device took, when the unit said; -1 otherwise.
    qint64 bytes() const { return m_Bytes; }
    double seconds() const;
    // After finished(): the single run's exit status (0 ok, 1 failed,
    // 3 not opened, 4 canceled) and the result text of the summary.
    int outcome() const { return m_Outcome; }
    QString result() const;
    // Why the unit failed, without the result's "failed: " in front; empty when it did not.
    QString reason() const { return m_Outcome == 0 ? QString() : m_Reason; }

signals:
    void report(const QString& line);
    // A line the child wrote to standard error.
    void problem(const QString& line);
    void progress(int percent);
    void finished();

private:
    void readOutput();
    void readErrors();
    void ended(int exitCode, QProcess::ExitStatus status);
    void failedToStart(QProcess::ProcessError error);

    QString m_Port;
    QString m_Label;
    QProcess m_Process;
    QElapsedTimer m_Clock;
    qint64 m_Nanoseconds = 0;
    bool m_Running = false;
    bool m_Canceled = false;
    int m_Percent = 0;
    qint64 m_Bytes = -1;
    int m_Outcome = 1;
    QString m_Reason;
    QString m_LastProblem;
};
