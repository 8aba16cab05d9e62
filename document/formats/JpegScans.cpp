#include "JpegScans.h"

#include <QFile>

#include <cstring>

namespace {

constexpr uchar Marker = 0xFF;
constexpr uchar StartOfImage = 0xD8;
constexpr uchar EndOfImage = 0xD9;
constexpr uchar StartOfScan = 0xDA;

bool standsAlone(uchar code)
{
    // Restart markers, the temporary marker and a second start of image
    // carry no length.
    return (code >= 0xD0 && code <= 0xD7) || code == 0x01 || code == StartOfImage;
}

// Where the entropy-coded data starting at `at` ends: the 0xFF of the next
// marker that is neither a stuffed byte nor a restart.
qint64 skipEntropyCoded(const uchar* data, qint64 at, qint64 size)
{
    while (at < size) {
        const void* found = std::memchr(data + at, Marker, size_t(size - at));
        if (!found)
            return size;
        qint64 code = static_cast<const uchar*>(found) - data + 1;
        while (code < size && data[code] == Marker)
            ++code;
        if (code >= size)
            return size;
        if (data[code] != 0x00 && !(data[code] >= 0xD0 && data[code] <= 0xD7))
            return code - 1;
        at = code + 1;
    }
    return size;
}

} // namespace

qint64 JpegScans::count(const uchar* data, qint64 size)
{
    if (size < 2 || data[0] != Marker || data[1] != StartOfImage)
        return 0;
    qint64 scans = 0;
    qint64 at = 2;
    while (at < size) {
        // Bytes between segments are skipped up to the next marker, as
        // libjpeg does after warning about them; fill bytes may precede it.
        while (at < size && data[at] != Marker)
            ++at;
        while (at < size && data[at] == Marker)
            ++at;
        if (at >= size || data[at] == EndOfImage)
            break;
        const uchar code = data[at++];
        if (code == 0x00 || standsAlone(code))
            continue;
        if (size - at < 2)
            break;
        const int length = data[at] << 8 | data[at + 1];
        if (length < 2)
            break;
        at += length;
        if (code == StartOfScan) {
            ++scans;
            at = skipEntropyCoded(data, at, size);
        }
    }
    return scans;
}

qint64 JpegScans::count(QFile& file)
{
    const qint64 size = file.size();
    if (size == 0)
        return 0;
    const uchar* data = file.map(0, size);
    if (!data)
        return -1;
    const qint64 scans = count(data, size);
    file.unmap(const_cast<uchar*>(data));
    return scans;
}
