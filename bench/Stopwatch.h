#pragma once

#include <QElapsedTimer>

#include <algorithm>
#include <ctime>
#include <vector>

// Wall clock and the CPU time of this thread: the build machine is shared,
// so the wall figure alone may include other programs' time.
class Stopwatch
{
public:
    struct Sample
    {
        double wall = 0;
        double cpu = 0;
    };

    Stopwatch() { restart(); }
    void restart()
    {
        m_wall.start();
        m_cpu = cpuMs();
    }
    double wallMs() const { return m_wall.nsecsElapsed() / 1e6; }
    double threadCpuMs() const { return cpuMs() - m_cpu; }
    Sample take() const { return { wallMs(), threadCpuMs() }; }

    // The run in the middle by wall time.
    static Sample median(std::vector<Sample> samples)
    {
        std::sort(samples.begin(), samples.end(),
                  [](const Sample& a, const Sample& b) { return a.wall < b.wall; });
        return samples.at(samples.size() / 2);
    }

private:
    static double cpuMs()
    {
        timespec now {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
        return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
    }

    QElapsedTimer m_wall;
    double m_cpu = 0;
};
