#include "StopSignals.h"

#include <QSocketNotifier>

#include <fcntl.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t stopFlag = 0;
int stopPipe[2] = { -1, -1 };

void onStopSignal(int)
{
    stopFlag = 1;
    const char c = 0;
    [[maybe_unused]] const ssize_t written = ::write(stopPipe[1], &c, 1);
}

} // namespace

StopSignals::StopSignals(std::initializer_list<int> caught, QObject* parent)
    : QObject(parent)
{
    // A full pipe must never block the handler: the flag tells all the same.
    if (stopPipe[0] >= 0 || ::pipe2(stopPipe, O_CLOEXEC | O_NONBLOCK) == 0) {
        m_notifier = std::make_unique<QSocketNotifier>(stopPipe[0], QSocketNotifier::Read);
        // One byte per signal, one emission per byte: a second Ctrl+C that
        // comes before the first is handled still counts.
        connect(m_notifier.get(), &QSocketNotifier::activated, this, [this] {
            char c;
            if (::read(stopPipe[0], &c, 1) == 1)
                emit stopRequested();
        });
    }
    struct sigaction action
    {
    };
    action.sa_handler = onStopSignal;
    // Reads and writes go on undisturbed; the stop comes through the flag.
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    sigset_t set;
    sigemptyset(&set);
    for (const int signal : caught) {
        sigaction(signal, &action, nullptr);
        sigaddset(&set, signal);
    }
    // Started with them blocked, the program would never hear them; one
    // that came before this point is delivered now.
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

StopSignals::~StopSignals() = default;

bool StopSignals::requested()
{
    return stopFlag != 0;
}

const volatile std::sig_atomic_t* StopSignals::flag()
{
    return &stopFlag;
}

int StopSignals::fd() const
{
    return stopPipe[0];
}

void StopSignals::drain()
{
    char bytes[64];
    while (::read(stopPipe[0], bytes, sizeof bytes) > 0) { }
}
