// The virtual panel's reader of the editor's byte stream, fed in the pieces a
// serial line delivers.
#include "FuzzSupport.h"
#include "WordReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte sets how many bytes arrive at a time.
    const size_t piece = data[0] % 40 + 1;
    WordReader reader;
    for (size_t at = 1; at < size; at += piece)
        reader.feed(FuzzSupport::bytes(data + at, std::min(piece, size - at)));
    reader.flush();
    return 0;
}
