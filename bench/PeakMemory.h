#pragma once

#include "Stopwatch.h"

#include <QByteArray>
#include <QFile>

#include <cstdio>
#include <functional>
#include <vector>

// Runs a piece of work three times and prints the median wall and CPU time
// with the growth of the peak resident memory it caused.
class PeakMemory
{
public:
    // Labels are padded to labelWidth so that the figures line up.
    explicit PeakMemory(int labelWidth)
        : m_labelWidth(labelWidth)
    {
    }

    void measure(const char* what, const std::function<void()>& run) const
    {
        std::vector<Stopwatch::Sample> samples;
        // Resets the peak so that only this work raises it.
        QFile clear(QStringLiteral("/proc/self/clear_refs"));
        if (clear.open(QIODevice::WriteOnly))
            clear.write("5");
        clear.close();
        const qint64 before = statusKb("VmRSS:");
        for (int i = 0; i < 3; ++i) {
            Stopwatch watch;
            run();
            samples.push_back(watch.take());
        }
        const Stopwatch::Sample median = Stopwatch::median(samples);
        std::printf("%-*s %8.1f ms wall %8.1f ms cpu %6lld MB peak growth\n", m_labelWidth, what, median.wall,
            median.cpu, (statusKb("VmHWM:") - before) / 1024);
    }

private:
    static qint64 statusKb(const char* field)
    {
        QFile status(QStringLiteral("/proc/self/status"));
        if (!status.open(QIODevice::ReadOnly))
            return 0;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith(field))
                return line.mid(int(qstrlen(field)) + 1).trimmed().split(' ').first().toLongLong();
        }
        return 0;
    }

    int m_labelWidth;
};
