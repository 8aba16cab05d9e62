#include "PortWatch.h"

#include <QFile>

#include <glob.h>

namespace {
// Often enough that a technician sees the unit start at once.
constexpr int PollMs = 200;
} // namespace

PortWatch::PortWatch(QObject* parent)
    : QObject(parent)
{
    m_Poll.setInterval(PollMs);
    connect(&m_Poll, &QTimer::timeout, this, &PortWatch::poll);
}

PortWatch::~PortWatch() = default;

void PortWatch::start(const QStringList& globs, bool skipPresent)
{
    m_Globs = globs;
    m_SkipPresent = skipPresent;
    m_FirstScan = true;
    m_Watching = true;
    poll();
    if (m_Watching)
        m_Poll.start();
}

void PortWatch::stop()
{
    m_Watching = false;
    m_Poll.stop();
}

void PortWatch::release(const QString& port)
{
    m_Busy.remove(port);
}

QString PortWatch::skipText(const QString& port, const QString& twin)
{
    return tr("%1: skipped, the same device as %2").arg(port, twin);
}

QMap<QString, PortIdentity> PortWatch::scan() const
{
    QMap<QString, PortIdentity> present;
    for (const QString& pattern : m_Globs) {
        glob_t found {};
        if (::glob(QFile::encodeName(pattern).constData(), 0, nullptr, &found) == 0) {
            for (size_t i = 0; i < found.gl_pathc; ++i) {
                // A port unplugged and plugged in between two looks is a new
                // device file (or a new link): a new attachment.
                const QString port = QFile::decodeName(found.gl_pathv[i]);
                const PortIdentity identity(port);
                if (identity.isDevice())
                    present.insert(port, identity);
            }
        }
        ::globfree(&found);
    }
    return present;
}

// The port attached or still busy that leads to the same device; empty when none does.
QString PortWatch::sameDeviceAs(const QString& port, const PortIdentity& identity) const
{
    for (const auto* ports : { &m_Attached, &m_Busy }) {
        for (auto it = ports->cbegin(); it != ports->cend(); ++it) {
            if (it.key() != port && it.value().isSameDevice(identity))
                return it.key();
        }
    }
    return QString();
}

void PortWatch::poll()
{
    if (!m_Watching)
        return;
    const QMap<QString, PortIdentity> present = scan();
    for (auto it = m_Attached.begin(); it != m_Attached.end();) {
        if (present.value(it.key()) != it.value())
            it = m_Attached.erase(it);
        else
            ++it;
    }
    for (auto it = present.cbegin(); it != present.cend() && m_Watching; ++it) {
        // Back while its last unit is still ending: taken once that is over.
        if (m_Attached.contains(it.key()) || m_Busy.contains(it.key()))
            continue;
        const QString twin = sameDeviceAs(it.key(), it.value());
        m_Attached.insert(it.key(), it.value());
        if (m_FirstScan && m_SkipPresent)
            continue;
        if (!twin.isEmpty()) {
            // Two links to one board: it is taken once, through the first.
            emit skipped(it.key(), twin);
            continue;
        }
        m_Busy.insert(it.key(), it.value());
        emit appeared(it.key());
    }
    m_FirstScan = false;
}
