#pragma once

#include <QString>
#include <QStringList>

// Which serial port the panel link starts on: a port given for this run
// only; else the port the user chose in an earlier run; else the first port
// the system reports, as the port dialog lists them; else none, and the
// panel commands ask for one.
class PanelPortChoice
{
public:
    static QString startName(const QString& forThisRun, const QString& stored, const QStringList& detected);

    // The ports the system reports, in the port dialog's order.
    static QStringList detectedNames();

    // A stored name that only an earlier version's fixed default can have
    // left: it names no port on this system, so it counts as no choice.
    static bool isLeftoverDefault(const QString& stored);
};
