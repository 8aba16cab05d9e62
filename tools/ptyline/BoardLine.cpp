#include "BoardLine.h"

#include <QSocketNotifier>

#include <cerrno>
#include <unistd.h>

BoardLine::BoardLine(QObject* parent)
    : QObject(parent)
{
}

BoardLine::~BoardLine() = default;

bool BoardLine::open(const QString& linkPath, QString* error)
{
    if (!m_line.open(linkPath, error))
        return false;
    m_notifier = std::make_unique<QSocketNotifier>(m_line.master(), QSocketNotifier::Read);
    connect(m_notifier.get(), &QSocketNotifier::activated, this, &BoardLine::readAvailable);
    return true;
}

void BoardLine::readAvailable()
{
    char chunk[4096];
    QByteArray data;
    for (;;) {
        const ssize_t n = ::read(m_line.master(), chunk, sizeof chunk);
        if (n > 0) {
            data.append(chunk, static_cast<int>(n));
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        break;
    }
    if (!data.isEmpty())
        emit bytesArrived(data);
}

void BoardLine::unplug()
{
    m_notifier.reset();
    m_line.close();
    m_line.removeLink();
}
