#pragma once

#include <QDir>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <unistd.h>

// A folder on a file system of 64 KiB, for as long as it lives; only the
// super-user can make one.
class SmallDisk
{
public:
    SmallDisk()
    {
        if (::geteuid() == 0 && m_dir.isValid())
            m_mounted = QProcess::execute(QStringLiteral("mount"),
                            { "-t", "tmpfs", "-o", "size=64k", "tmpfs", m_dir.path() })
                == 0;
    }
    ~SmallDisk()
    {
        if (m_mounted)
            QProcess::execute(QStringLiteral("umount"), { m_dir.path() });
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool isMounted() const { return m_mounted; }
    QString filePath(const QString& name) const { return m_dir.filePath(name); }
    QStringList entries() const { return QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden); }

private:
    QTemporaryDir m_dir;
    bool m_mounted = false;
};
