#include "PacedBootLoader.h"

#include <unistd.h>

PacedBootLoader::PacedBootLoader(BslTarget* target, int baud, const LineLog& log)
    : m_target(target)
    , m_pacer(baud)
    , m_log(log)
{
}

bool PacedBootLoader::take(uint8_t byte, int64_t arrivalNs, int descriptor, BslTarget::Reply* reply)
{
    m_pacer.received(arrivalNs);
    if (!m_target->feed(byte, reply))
        return false;
    if (reply->answered) {
        m_pacer.awaitAnswer();
        const char answer = static_cast<char>(reply->answer);
        [[maybe_unused]] const ssize_t written = ::write(descriptor, &answer, 1);
    }
    m_log.line(reply->line);
    return true;
}
