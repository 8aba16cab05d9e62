#pragma once

#include "romwright_export.h"

#include <QString>
#include <QStringList>

#include <sys/types.h>

class QSerialPort;

// What a port name leads to, looked up once: the device a name stands for
// decides whether two names are one port, whatever links or folders lead to
// it, and the files on the way tell one attachment of it from the next.
class ROMWRIGHT_EXPORT PortIdentity
{
public:
    PortIdentity() = default;
    explicit PortIdentity(const QString& name);

    // The name leads to a character device.
    bool isDevice() const { return m_Device; }
    // Both names lead to one device (or, for other files, to one file).
    bool isSameDevice(const PortIdentity& other) const;
    // The same device through the same device file and link: a port
    // unplugged and plugged in again is a new attachment.
    bool operator==(const PortIdentity& other) const;
    bool operator!=(const PortIdentity& other) const { return !(*this == other); }

    // A name with a slash is a path, a relative one taken from the working
    // folder; a bare name is the system's port name, left for the serial
    // port to find. What QSerialPort::setPortName is given.
    static QString portName(const QString& name);
    // The device file: "/dev/ttyUSB0" for "ttyUSB0", the absolute path for a path.
    static QString systemLocation(const QString& name);
    // The device file an open serial port uses. Its port name is the serial
    // port's own, "/dev/" taken off: "pts/0" there is "/dev/pts/0".
    static QString deviceFile(const QSerialPort& port);
    // False with the first two names that lead to one device.
    static bool allDistinct(const QStringList& names, QString* first, QString* second);

private:
    bool m_Found = false;
    bool m_Device = false;
    dev_t m_FileSystem = 0;
    ino_t m_LinkInode = 0;
    ino_t m_Inode = 0;
    dev_t m_Number = 0;
};
