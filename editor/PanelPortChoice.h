#pragma once

#include <QString>
#include <QVector>

// Which serial port the panel link starts on: a port given for this run
// only; else the port the user chose in an earlier run; else the one USB
// serial adapter the system reports, when there is exactly one; else none,
// and the panel commands ask for one. A built-in port is never a default:
// the panel hangs on an adapter, and a program sent to the computer's own
// line would be lost without a word.
class PanelPortChoice
{
public:
    struct Detected
    {
        QString name;
        // Has a USB vendor identifier: an adapter, not a built-in port.
        bool usb = false;
    };

    static QString startName(const QString& forThisRun, const QString& stored, const QVector<Detected>& detected);

    // The ports the system reports.
    static QVector<Detected> detectedPorts();

    // A stored name that only an earlier version's fixed default can have
    // left: it names no port on this system, so it counts as no choice.
    static bool isLeftoverDefault(const QString& stored);
};
