#pragma once

#include "Helper/PortIdentity.h"
#include "romwright_export.h"

#include <QMap>
#include <QObject>
#include <QStringList>
#include <QTimer>

// Watches for serial ports that match globs and tells of each attachment
// once: a port unplugged and plugged in again appears anew, a port still
// busy with its last unit waits until that unit is over, and a second name
// of a device already watched is skipped.
class ROMWRIGHT_EXPORT PortWatch : public QObject
{
    Q_OBJECT

public:
    explicit PortWatch(QObject* parent = nullptr);
    ~PortWatch() override;

    // Looks at once, then every little while. With `skipPresent` the ports
    // there at the first look are left alone.
    void start(const QStringList& globs, bool skipPresent);
    // No port appears any more, also from within appeared().
    void stop();
    bool isWatching() const { return m_Watching; }
    // The unit on the port is over; the port appears again once replugged.
    void release(const QString& port);
    // What identified the port's attachment when it appeared.
    PortIdentity identity(const QString& port) const { return m_Busy.value(port); }

    // "ttyUSB1: skipped, the same device as ttyUSB0"
    static QString skipText(const QString& port, const QString& twin);

signals:
    void appeared(const QString& port);
    void skipped(const QString& port, const QString& twin);

private:
    // Port path to what identifies this attachment of it.
    QMap<QString, PortIdentity> scan() const;
    QString sameDeviceAs(const QString& port, const PortIdentity& identity) const;
    void poll();

    QStringList m_Globs;
    QTimer m_Poll;
    QMap<QString, PortIdentity> m_Attached;
    QMap<QString, PortIdentity> m_Busy;
    bool m_FirstScan = true;
    bool m_SkipPresent = false;
    bool m_Watching = false;
};
