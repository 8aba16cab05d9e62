#pragma once

#include "Helper/PortIdentity.h"
#include "ManyPorts.h"

#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTimer>

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

private:
    // Port path to what identifies this attachment of it.
    QMap<QString, PortIdentity> scan() const;
    QString sameDeviceAs(const QString& port, const PortIdentity& identity) const;
    void poll();
    void start(const QString& port, const PortIdentity& identity);
    void showBanner(const QString& logPath);
    void unitFinished(const UnitRecord& record, const QString& label);
    void showTally();
    void finishIfDone();

    ManyPorts m_Ports;
    Options m_Options;
    QTimer m_Poll;
    QEventLoop* m_pLoop = nullptr;
    QMap<QString, PortIdentity> m_Attached;
    QMap<QString, PortIdentity> m_Running;
    bool m_FirstScan = true;
    bool m_Stopping = false;
    int m_Interrupts = 0;
    int m_Flashed = 0;
    int m_Failed = 0;
    int m_Canceled = 0;
    QString m_LastTally;
};
