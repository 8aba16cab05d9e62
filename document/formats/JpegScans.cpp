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

} // namespace

qint64 JpegScans::count(const uchar* data, qint64 size)
{
    if (size < 2 || data[0] != Marker || data[1] != StartOfImage)
        return 0;
    qint64 scans = 0;
    qint64 at = 2;
    while (at < size) {
        // Up to the next marker, passing over the entropy-coded data of a
        // scan (or stray bytes, as libjpeg does); fill bytes may precede it.
        const void* found = std::memchr(data + at, Marker, size_t(size - at));
        if (!found)
            break;
        at = static_cast<const uchar*>(found) - data;
        while (at < size && data[at] == Marker)
            ++at;
        if (at >= size || data[at] == EndOfImage)
            break;
        const uchar code = data[at++];
        // A stuffed 0xFF of the data, or a restart marker within it.
        if (code == 0x00 || standsAlone(code))
            continue;
        if (size - at < 2)
            break;
        const int length = data[at] << 8 | data[at + 1];
        if (length < 2)
            break;
        at += length;
        scans += code == StartOfScan ? 1 : 0;
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
