#pragma once

#include "Fleet/PortWatch.h"
#include "ManyPorts.h"

#include <QObject>
#include <QSet>
#include <QStringList>

class QEventLoop;
struct UnitRecord;

// romwright station: watches for serial ports that match the globs and
// flashes each port that appears, in parallel with those already running,
// once per attachment.
class Station : public QObject
{
    Q_OBJECT

public:
    struct Options
    {
        QStringList globs;
        bool once = false;
        bool skipPresent = false;
        bool writeVectorArea = false;
    };

    explicit Station(QObject* parent = nullptr);
    ~Station() override;

    // Exit status: 0 every unit succeeded, 1 any failed, else 4 any canceled.
    int run(const QString& model, int baudRate, const QString& firmware, const QString& logPath,
        const Options& options);
    // The first stops new units, the second cancels the running ones.
    void interrupt();

    static QStringList defaultGlobs();
    // What the first Ctrl+C says while units run.
    static QString stoppingText();

private:
    void start(const QString& port);
    void showBanner(const QString& logPath);
    void unitFinished(const UnitRecord& record, const QString& label);
    void showTally();
    void finishIfDone();

    ManyPorts m_Ports;
    Options m_Options;
    PortWatch m_Watch;
    QEventLoop* m_pLoop = nullptr;
    QSet<QString> m_Running;
    bool m_Stopping = false;
    int m_Interrupts = 0;
    int m_Flashed = 0;
    int m_Failed = 0;
    int m_Canceled = 0;
    QString m_LastTally;
};
