#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>

// Measures the wall time and the growth of the resident memory's peak over a
// stretch of a test. The bounds it is compared with are generous guards
// against a reader running away, not measurements; those live in bench/.
class ResourceGuard
{
public:
    ResourceGuard()
    {
        // Writing 5 resets the peak to the current size (Linux 4.0 and later).
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");
        m_startKb = statusKb("VmRSS");
        m_timer.start();
    }

    qint64 elapsedMs() const { return m_timer.elapsed(); }
    qint64 peakGrowthMb() const { return (statusKb("VmHWM") - m_startKb) / 1024; }

private:
    static qint64 statusKb(const char* field)
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return 0;
        const QRegularExpression line(QStringLiteral("^%1:\\s*(\\d+) kB").arg(QLatin1String(field)),
                                      QRegularExpression::MultilineOption);
        return line.match(QString::fromLatin1(status.readAll())).captured(1).toLongLong();
    }

    QElapsedTimer m_timer;
    qint64 m_startKb = 0;
};

// A second on the developer's machine; the guard leaves room for the
// sanitizer build and a busy machine.
constexpr qint64 ReaderTimeGuardMs = 5000;
constexpr qint64 ReaderMemoryGuardMb = 100;
