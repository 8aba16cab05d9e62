#pragma once

#include "Helper/UnitRecord.h"
#include "ProgressBoard.h"
#include "romwright_export.h"

#include <QList>
#include <QObject>
#include <QStringList>

#include <cstdio>
#include <memory>

class PortUnit;
class UnitLog;

// Runs one job on several ports at the same time, each in a child process
// of its own (see PortUnit): report lines carry their port, "[ttyUSB3]
// Erase device.", a progress line per port stands on standard error when it
// is a terminal, and each unit ends as a line of the summary and of the log.
class ROMWRIGHT_EXPORT PortFleet : public QObject
{
    Q_OBJECT

public:
    struct Job
    {
        QString tool;
        QString program;
        // The child's arguments; each child gets "--port PORT" and the
        // unit-report option after them.
        QStringList arguments;
        QString model;
        QString file;
        QString crc;
        qint64 bytes = 0;
        QString logPath;
    };

    explicit PortFleet(
        const Job& job, std::FILE* out = stdout, std::FILE* err = stderr, QObject* parent = nullptr);
    ~PortFleet() override;

    // Starts every port, waits for all of them, prints the summary and
    // returns the exit status: 0 all ok, 1 any failed, else 3 any not
    // opened, else 4 canceled.
    int runAll(const QStringList& ports);

    void start(const QString& port, const QString& label);
    // Whether the units' report lines are printed (they are by default).
    void setShowReports(bool show) { m_ShowReports = show; }
    void cancel();
    int running() const;
    bool isCanceled() const { return m_Canceled; }
    QList<UnitRecord> records() const { return m_Records; }
    ProgressBoard& board() { return m_Board; }
    const Job& job() const { return m_Job; }

    static int exitStatus(const QList<UnitRecord>& records);
    // A single-port romwright's arguments for flashing FIRMWARE, the port left out.
    static QStringList flashArguments(
        const QString& model, int baudRate, bool writeVectorArea, const QString& firmware);
    // A child's arguments for one port: `arguments`, the port and the unit-report option.
    static QStringList unitArguments(const QStringList& arguments, const QString& port);
    // What an ended unit wrote of `total` bytes, as far as it can be told.
    static qint64 bytesWritten(const PortUnit& unit, qint64 total);
    // The USB adapter's serial number; empty when the port has none.
    static QString serialNumberOf(const QString& port);
    // "ttyUSB3: ok, 20.41 s, 3211 bytes/s"
    static QString summaryLine(const UnitRecord& record, const QString& label);
    // "4 units: 3 passed, 1 failed"
    static QString totalsLine(const QList<UnitRecord>& records);
    // The ports' file names, or their full names where two file names agree.
    static QStringList labels(const QStringList& ports);
    // The ports in the order given, "--ports" lists split; false with a
    // message when a port is named twice or empty, or two names lead to one
    // device.
    static bool collectPorts(
        const QStringList& single, const QStringList& lists, QStringList* ports, QString* problem);

signals:
    void unitFinished(const UnitRecord& record, const QString& label);

private:
    void unitEnded(PortUnit* unit);
    void print(const QString& line);

    Job m_Job;
    std::FILE* m_Out;
    std::FILE* m_Err;
    ProgressBoard m_Board;
    std::unique_ptr<UnitLog> m_pLog;
    std::vector<std::unique_ptr<PortUnit>> m_Units;
    QList<UnitRecord> m_Records;
    bool m_Canceled = false;
    bool m_ShowReports = true;
};
