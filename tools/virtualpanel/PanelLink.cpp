#include "PanelLink.h"

#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <unistd.h>

PanelLink::PanelLink(QObject* parent)
    : QObject(parent)
{
    m_gapTimer.setSingleShot(true);
    connect(&m_gapTimer, &QTimer::timeout, this, &PanelLink::lineFellSilent);
}

PanelLink::~PanelLink()
{
    m_notifier.reset();
    removeLink();
    if (m_slave >= 0)
        ::close(m_slave);
    if (m_master >= 0)
        ::close(m_master);
}

bool PanelLink::open(const QString& linkPath, int gapMs, QString* error)
{
    char name[128] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        *error = QStringLiteral("cannot open a pseudo-terminal: %1")
                     .arg(QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    // The slave end stays open here as well: without it the master reports
    // an error every time the editor closes its port.
    termios tio {};
    ::tcgetattr(m_slave, &tio);
    ::cfmakeraw(&tio);
    ::cfsetispeed(&tio, B57600);
    ::cfsetospeed(&tio, B57600);
    ::tcsetattr(m_slave, TCSANOW, &tio);
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    m_devicePath = QString::fromLocal8Bit(name);

    if (!linkPath.isEmpty() && !makeLink(linkPath, error))
        return false;

    m_gapTimer.setInterval(gapMs);
    m_notifier = std::make_unique<QSocketNotifier>(m_master, QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &PanelLink::readAvailable);
    return true;
}

bool PanelLink::makeLink(const QString& linkPath, QString* error)
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
        *error = QStringLiteral("cannot create the link %1: %2")
                     .arg(linkPath, QString::fromLocal8Bit(std::strerror(errno)));
        QFile::remove(temporary);
        return false;
    }
    m_linkPath = linkPath;
    return true;
}

void PanelLink::removeLink()
{
    // Leave the link alone if another panel has taken it over meanwhile.
    if (!m_linkPath.isEmpty() && QFileInfo(m_linkPath).symLinkTarget() == m_devicePath)
        QFile::remove(m_linkPath);
    m_linkPath.clear();
}

void PanelLink::readAvailable()
{
    char chunk[4096];
    QByteArray data;
    for (;;) {
        const ssize_t n = ::read(m_master, chunk, sizeof chunk);
        if (n > 0) {
            data.append(chunk, static_cast<int>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    if (data.isEmpty())
        return;
    emit bytesArrived();
    deliver(m_reader.feed(data));
    if (m_reader.hasPending())
        m_gapTimer.start();
    else
        m_gapTimer.stop();
}

void PanelLink::lineFellSilent()
{
    deliver(m_reader.flush());
}

void PanelLink::deliver(const QVector<WordReader::Event>& events)
{
    for (const WordReader::Event& event : events)
        emit wordReceived(event);
}
