#include "LinePacer.h"

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <sys/prctl.h>

namespace {

// A timer on a shared machine often wakes 100 us or more late, which a real
// UART never adds to an answer: sleep to just before the deadline, then wait
// out the rest awake.
void sleepUntil(int64_t deadlineNs)
{
    constexpr int64_t AwakeNs = 200000;
    const int64_t wake = deadlineNs - AwakeNs;
    timespec ts {};
    ts.tv_sec = wake / 1000000000;
    ts.tv_nsec = wake % 1000000000;
    while (LinePacer::nowNs() < wake
        && clock_nanosleep(CLOCK_MONOTONIC, TIMER_ABSTIME, &ts, nullptr) == EINTR) { }
    while (LinePacer::nowNs() < deadlineNs) { }
}

} // namespace

LinePacer::LinePacer(int baud)
    : m_byteNs(baud > 0 ? int64_t(10) * 1000000000 / baud : 0)
{
    // Wake up on time rather than within the default 50 us slack.
    if (m_byteNs)
        prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

int64_t LinePacer::nowNs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

void LinePacer::received(int64_t arrivalNs)
{
    if (m_byteNs)
        m_lineClock = std::max(m_lineClock, arrivalNs) + m_byteNs;
}

void LinePacer::awaitAnswer() const
{
    if (m_byteNs)
        sleepUntil(m_lineClock + m_byteNs);
}
