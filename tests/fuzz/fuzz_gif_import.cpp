// The picture reader of the animation import: an animated GIF composited
// frame by frame (or a still picture), then its frames taken with options
// drawn from the input's size.
#include "FuzzSupport.h"
#include "formats/AnimationImport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSupport::ensureApplication();
    AnimationImport import;
    import.setPreviewSize(32);
    if (!import.read({ FuzzSupport::writeInput(FuzzSupport::bytes(data, size)) }))
        return 0;
    AnimationImport::Options options;
    options.side = size & 1 ? Top : Bottom;
    options.threshold = int(size % 101);
    options.invert = size & 2;
    options.first = int(size % unsigned(import.frameCount()));
    import.frames(options);
    import.preview(options.first);
    return 0;
}
