#include "PanelPortChoice.h"

#include <QSerialPortInfo>

QString PanelPortChoice::startName(
    const QString& forThisRun, const QString& stored, const QVector<Detected>& detected)
{
    if (!forThisRun.trimmed().isEmpty())
        return forThisRun.trimmed();
    if (!stored.trimmed().isEmpty() && !isLeftoverDefault(stored))
        return stored.trimmed();
    QString adapter;
    for (const Detected& port : detected) {
        if (!port.usb)
            continue;
        // Two adapters: which one holds the panel is the user's choice.
        if (!adapter.isEmpty())
            return QString();
        adapter = port.name;
    }
    return adapter;
}

QVector<PanelPortChoice::Detected> PanelPortChoice::detectedPorts()
{
    QVector<Detected> ports;
    const auto infos = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : infos)
        ports.append(Detected { info.portName(), info.hasVendorIdentifier() });
    return ports;
}

bool PanelPortChoice::isLeftoverDefault(const QString& stored)
{
#ifdef Q_OS_WIN
    Q_UNUSED(stored)
    return false;
#else
    return stored == QLatin1String("COM1");
#endif
}
