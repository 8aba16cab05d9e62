#include "PtyLine.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

namespace {

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

PtyLine::~PtyLine()
{
    close();
    removeLink();
}

bool PtyLine::open(const QString& linkPath, QString* error)
{
    char name[128] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        *error = QStringLiteral("cannot open a pseudo-terminal: %1").arg(systemError());
        return false;
    }
    // Raw before anyone connects, so that nothing is echoed or translated.
    termios tio {};
    ::tcgetattr(m_slave, &tio);
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B57600);
    ::cfsetospeed(&tio, B57600);
    ::tcsetattr(m_slave, TCSANOW, &tio);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_devicePath = QString::fromLocal8Bit(name);
    return linkPath.isEmpty() || makeLink(linkPath, error);
}

// Our own slave descriptor stays open until here: without it the master
// reports a hang-up whenever the other side closes the port between runs.
void PtyLine::close()
{
    if (m_master >= 0)
        ::close(m_master);
    if (m_slave >= 0)
        ::close(m_slave);
    m_master = m_slave = -1;
}

bool PtyLine::makeLink(const QString& linkPath, QString* error)
{
    const QFileInfo info(linkPath);
    // Only a link may be replaced (a stale one from an earlier run); never a file.
    if (info.exists() && !info.isSymLink()) {
        *error = QStringLiteral("%1 exists and is not a symbolic link; not replacing it").arg(linkPath);
        return false;
    }
    const QString temporary = linkPath + QStringLiteral(".%1.tmp").arg(::getpid());
    QFile::remove(temporary);
    const QByteArray target = QFile::encodeName(m_devicePath);
    if (::symlink(target.constData(), QFile::encodeName(temporary).constData()) != 0
        || ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(linkPath).constData()) != 0) {
        *error = QStringLiteral("cannot create the link %1: %2").arg(linkPath, systemError());
        QFile::remove(temporary);
        return false;
    }
    m_linkPath = linkPath;
    return true;
}

void PtyLine::removeLink()
{
    // Leave the link alone if another program has taken it over meanwhile.
    if (!m_linkPath.isEmpty() && QFileInfo(m_linkPath).symLinkTarget() == m_devicePath)
        QFile::remove(m_linkPath);
    m_linkPath.clear();
}
