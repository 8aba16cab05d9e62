#pragma once

#include "BslTarget.h"
#include "LineLog.h"
#include "LinePacer.h"

// A boot loader on a paced line: takes the received bytes, sends each answer
// when a real line would have carried it and logs each request.
class PacedBootLoader
{
public:
    PacedBootLoader(BslTarget* target, int baud, const LineLog& log);

    // True, with the reply, when the byte ends a request; the answer has
    // then been written to the descriptor.
    bool take(uint8_t byte, int64_t arrivalNs, int descriptor, BslTarget::Reply* reply);

private:
    BslTarget* m_target;
    LinePacer m_pacer;
    const LineLog& m_log;
};
