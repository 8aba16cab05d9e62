#pragma once

#include <QString>

// A pseudo-terminal in raw mode, reached through a symbolic link so that a
// serial port name can stay the same from run to run. The link is removed
// when the line is destroyed.
class PtyLine
{
public:
    PtyLine() = default;
    ~PtyLine();
    PtyLine(const PtyLine&) = delete;
    PtyLine& operator=(const PtyLine&) = delete;

    // An empty linkPath makes no link. The master side is non-blocking.
    bool open(const QString& linkPath, QString* error);
    // Closes both ends; the link stays until removeLink() or the end.
    void close();
    void removeLink();

    int master() const { return m_master; }
    QString devicePath() const { return m_devicePath; }
    QString linkPath() const { return m_linkPath; }

private:
    bool makeLink(const QString& linkPath, QString* error);

    int m_master = -1;
    int m_slave = -1;
    QString m_devicePath;
    QString m_linkPath;
};
