#pragma once

#include <QFile>
#include <QString>
#include <QStringList>
#include <QVector>

// Document files as the panel types write them, built from short command
// lists so that a test controls the exact size of the compiled image.
namespace DocumentFiles {

// "<LedStates>" with the given LEDs on.
inline QString frame(const QVector<int>& on)
{
    QString xml = QStringLiteral("<LedStates>");
    for (int led : on)
        xml += QStringLiteral("<Led index=\"%1\"><state>1</state></Led>").arg(led);
    return xml + QStringLiteral("</LedStates>");
}

inline QString reset()
{
    return QStringLiteral("<Reset/>");
}
inline QString stop()
{
    return QStringLiteral("<Stop/>");
}

inline QString document(const QString& version, const QStringList& commands)
{
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<LedPanelDocument version=\"%1\" panel=\"ZQ-RINGx\">\n"
                          "<Commands><Program index=\"0\">%2</Program></Commands>\n"
                          "</LedPanelDocument>\n")
        .arg(version, commands.join(QString()));
}

inline bool write(const QString& path, const QString& contents)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(contents.toUtf8()) >= 0;
}

} // namespace DocumentFiles
