#include "FirmwareImage.h"
#include "CRC.h"

#include <QCoreApplication>

#include <algorithm>
#include <vector>

FirmwareImage::FirmwareImage(const QList<sMemory>& segments)
    : m_Segments(segments)
{
}

bool FirmwareImage::fits(const QList<Range>& writable, uint32_t* offending) const
{
    QList<Range> ranges = writable;
    ranges << VectorArea;
    for (const sMemory& segment : m_Segments) {
        const quint64 end = quint64(segment.address) + quint64(segment.data.size());
        quint64 at = segment.address;
        // Step over the ranges the segment runs through until a byte falls outside.
        while (at < end) {
            auto holds = [at](const Range& range) { return at >= range.first && at <= range.last; };
            const auto range = std::find_if(ranges.cbegin(), ranges.cend(), holds);
            if (range == ranges.cend()) {
                *offending = static_cast<uint32_t>(at);
                return false;
            }
            at = quint64(range->last) + 1;
        }
    }
    return true;
}

FirmwareImage::VectorAreaUse FirmwareImage::vectorAreaUse() const
{
    constexpr uint32_t size = VectorArea.last - VectorArea.first + 1;
    std::vector<bool> written(size, false);
    for (const sMemory& segment : m_Segments) {
        const quint64 from = std::max<quint64>(segment.address, VectorArea.first);
        const quint64 to = std::min<quint64>(
            quint64(segment.address) + quint64(segment.data.size()), quint64(VectorArea.last) + 1);
        for (quint64 at = from; at < to; ++at)
            written[at - VectorArea.first] = true;
    }
    VectorAreaUse use;
    for (uint32_t i = 0; i < size; ++i) {
        if (!written[i])
            continue;
        if (use.count++ == 0)
            use.first = VectorArea.first + i;
        use.last = VectorArea.first + i;
    }
    return use;
}

uint16_t FirmwareImage::checksum(std::initializer_list<Range> ranges) const
{
    CRC_CCITT crc;
    QByteArray area;
    for (const Range& range : ranges) {
        if (range.last < range.first)
            continue;
        const quint64 first = range.first;
        const quint64 end = quint64(range.last) + 1;
        area.fill(static_cast<char>(0xFF), static_cast<int>(end - first));
        // Segments are written in list order, so a later one overwrites an
        // earlier one where they overlap.
        for (const sMemory& segment : m_Segments) {
            const quint64 segFirst = segment.address;
            const quint64 segEnd = segFirst + quint64(segment.data.size());
            const quint64 from = std::max(first, segFirst);
            const quint64 to = std::min(end, segEnd);
            if (from < to)
                std::copy_n(
                    segment.data.constData() + (from - segFirst), to - from, area.data() + (from - first));
        }
        crc.add(reinterpret_cast<const uint8_t*>(area.constData()), area.size());
    }
    return crc.crc();
}

QString FirmwareImage::tooMuchData()
{
    return QCoreApplication::translate("FirmwareImage", "more data than any device holds (over 2.25 MiB)");
}
