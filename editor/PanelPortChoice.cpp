#include "PanelPortChoice.h"

#include "SerialPort/SerialPortDialog.h"

#include <QSerialPortInfo>

QString PanelPortChoice::startName(
    const QString& forThisRun, const QString& stored, const QStringList& detected)
{
    if (!forThisRun.trimmed().isEmpty())
        return forThisRun.trimmed();
    if (!stored.trimmed().isEmpty() && !isLeftoverDefault(stored))
        return stored.trimmed();
    return SerialPortDialog::sortedPortNames(detected).value(0);
}

QStringList PanelPortChoice::detectedNames()
{
    QStringList names;
    const auto ports = QSerialPortInfo::availablePorts();
    for (const QSerialPortInfo& info : ports)
        names << info.portName();
    return SerialPortDialog::sortedPortNames(names);
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
