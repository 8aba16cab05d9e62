#pragma once

#include <QtGlobal>

class QFile;

// Counts the scans of a JPEG file without decoding it, by walking its
// segments from marker to marker: a progressive JPEG is decoded once over
// per scan, so their number bounds the work. The entropy-coded data after
// each start of scan is passed over as libjpeg does: a 0xFF followed by
// 0x00 (a stuffed byte) or by a restart marker belongs to the data.
class JpegScans
{
public:
    // The start-of-scan segments up to the end of image marker, or up to
    // where the data stops making sense; 0 when it does not start as a JPEG.
    static qint64 count(const uchar* data, qint64 size);
    // The same for a file open for reading, mapped rather than read; -1 when
    // it cannot be mapped.
    static qint64 count(QFile& file);
};
