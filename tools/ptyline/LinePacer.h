#pragma once

#include <cstdint>

// Paces a simulated serial line at a baud rate, 10 bits per byte: a received
// byte is complete one byte time after the one before it (or after it was
// sent, whichever is later), and an answer one byte time after the request.
// At 0 baud nothing waits.
class LinePacer
{
public:
    explicit LinePacer(int baud);

    static int64_t nowNs();
    void received(int64_t arrivalNs);
    void awaitAnswer() const;

private:
    int64_t m_byteNs;
    int64_t m_lineClock = 0;
};
