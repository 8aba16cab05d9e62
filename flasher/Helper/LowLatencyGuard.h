#pragma once

#include "romwright_export.h"

class QSerialPort;

// Asks an open port for low-latency mode while it lives: USB serial adapters
// otherwise hold back a one-byte answer until their latency timer runs out
// (16 ms on common chips), several times the length of a block exchange.
// The previous setting comes back at the end. Where the port offers no such
// mode (pseudo-terminals, ports of other systems) nothing happens.
class ROMWRIGHT_EXPORT LowLatencyGuard
{
public:
    explicit LowLatencyGuard(QSerialPort* port);
    ~LowLatencyGuard();
    LowLatencyGuard(const LowLatencyGuard&) = delete;
    LowLatencyGuard& operator=(const LowLatencyGuard&) = delete;

    // True when the port was switched and will be switched back.
    bool isActive() const { return m_Descriptor >= 0; }

private:
    // A descriptor of our own: the port may be closed before the guard ends,
    // and the setting can only be put back through an open descriptor.
    int m_Descriptor = -1;
};
