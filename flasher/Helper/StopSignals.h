#pragma once

#include "romwright_export.h"

#include <QObject>

#include <csignal>
#include <initializer_list>
#include <memory>

class QSocketNotifier;

// Ctrl+C, kill and a closed terminal as a Qt signal, the same in every
// program: the handler only sets a flag and writes a byte into a pipe, which
// wakes the event loop (or a poll() on fd()). A closed reader of the output
// no longer kills the program mid-write: SIGPIPE is ignored, and the write
// fails instead. One instance at a time: they share the pipe.
class ROMWRIGHT_EXPORT StopSignals : public QObject
{
    Q_OBJECT

public:
    explicit StopSignals(
        std::initializer_list<int> caught = { SIGINT, SIGTERM, SIGHUP }, QObject* parent = nullptr);
    ~StopSignals() override;

    // Set by the handler itself, so that a signal that came before the event
    // loop looked is not missed.
    static bool requested();
    // The flag itself, for loops that look at it between steps.
    static const volatile std::sig_atomic_t* flag();
    // The reading end of the pipe, for programs that poll() themselves; -1
    // when no pipe could be made.
    int fd() const;
    // Takes the bytes the handler wrote, for callers of poll().
    void drain();

signals:
    void stopRequested();

private:
    std::unique_ptr<QSocketNotifier> m_notifier;
};
