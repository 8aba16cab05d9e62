#include "PortIdentity.h"

#include <QDir>
#include <QFile>
#include <QSerialPort>

#include <sys/stat.h>

PortIdentity::PortIdentity(const QString& name)
{
    const QByteArray path = QFile::encodeName(systemLocation(name));
    struct stat link
    {
    };
    struct stat target
    {
    };
    // A link that leads nowhere is a port that is gone.
    if (::lstat(path.constData(), &link) != 0 || ::stat(path.constData(), &target) != 0)
        return;
    m_Found = true;
    m_Device = S_ISCHR(target.st_mode);
    m_FileSystem = target.st_dev;
    m_LinkInode = link.st_ino;
    m_Inode = target.st_ino;
    m_Number = target.st_rdev;
}

bool PortIdentity::isSameDevice(const PortIdentity& other) const
{
    if (!m_Found || !other.m_Found || m_Device != other.m_Device)
        return false;
    // A device node of its own (a link, /dev/pts/N beside a udev name) is
    // still the same device: only its number tells.
    if (m_Device)
        return m_Number == other.m_Number;
    return m_FileSystem == other.m_FileSystem && m_Inode == other.m_Inode;
}

bool PortIdentity::operator==(const PortIdentity& other) const
{
    if (!m_Found || !other.m_Found)
        return m_Found == other.m_Found;
    return isSameDevice(other) && m_LinkInode == other.m_LinkInode && m_Inode == other.m_Inode;
}

QString PortIdentity::portName(const QString& name)
{
    if (!name.contains(QLatin1Char('/')))
        return name;
    return QDir::cleanPath(QDir::current().absoluteFilePath(name));
}

QString PortIdentity::systemLocation(const QString& name)
{
    return name.contains(QLatin1Char('/')) ? portName(name) : QStringLiteral("/dev/") + name;
}

QString PortIdentity::deviceFile(const QSerialPort& port)
{
    const QString name = port.portName();
    if (name.startsWith(QLatin1Char('/')) || name.startsWith(QLatin1String("./"))
        || name.startsWith(QLatin1String("../")))
        return name;
    return QStringLiteral("/dev/") + name;
}

bool PortIdentity::allDistinct(const QStringList& names, QString* first, QString* second)
{
    QList<PortIdentity> seen;
    for (const QString& name : names) {
        const PortIdentity identity(name);
        for (int i = 0; i < seen.size(); ++i) {
            if (identity.isSameDevice(seen.at(i))) {
                *first = names.at(i);
                *second = name;
                return false;
            }
        }
        seen << identity;
    }
    return true;
}
