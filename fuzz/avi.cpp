// Any bytes as an emblem clip: read without reading past them, every frame of the clip's size.
#include "avireader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const size_t budget = size_t(1) << 16;
    const auto clip = avi::Read({data, size}, budget);
    if (!clip) {
        return 0;
    }
    if (clip->frames.empty() || clip->frames.size() * size_t(clip->width) * clip->height > budget ||
        clip->frameMicroseconds < avi::kFastestFrameMicroseconds) {
        std::abort();
    }
    for (const dib::Image& frame : clip->frames) {
        if (frame.width != clip->width || frame.height != clip->height ||
            frame.pixels.size() != size_t(frame.width) * size_t(frame.height)) {
            std::abort();
        }
    }
    return 0;
}
