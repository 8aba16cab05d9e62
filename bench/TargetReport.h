#pragma once

#include "Stopwatch.h"

#include <QString>

#include <cstdio>

// Lines of a benchmark's output, flushed at once so that a slow run shows how
// far it got.
class TargetReport
{
public:
    static void print(const QString& line)
    {
        std::printf("%s\n", qPrintable(line));
        std::fflush(stdout);
    }

    // Prints a figure against its target; clears *ok when the target is missed.
    static void report(
        const QString& what, const Stopwatch::Sample& sample, double targetMs, int decimals, bool* ok)
    {
        const bool met = sample.wall < targetMs;
        *ok &= met;
        print(QStringLiteral("  %1: %2 ms (%3 ms CPU), target under %4 ms: %5")
                  .arg(what)
                  .arg(sample.wall, 0, 'f', decimals)
                  .arg(sample.cpu, 0, 'f', decimals)
                  .arg(targetMs)
                  .arg(met ? QStringLiteral("met") : QStringLiteral("MISSED")));
    }
};
