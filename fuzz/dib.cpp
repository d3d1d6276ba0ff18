// Any bytes as a bitmap file: read without reading past them, and a picture of the size it says.
#include "dibreader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    // A small pixel budget keeps each run quick; the limits are checked all the same.
    const dib::Picture picture = dib::Read({data, size}, size_t(1) << 16);
    const dib::Image& image = picture.image;
    if (picture.failure == dib::Failure::None) {
        if (image.width <= 0 || image.height <= 0 ||
            image.pixels.size() != size_t(image.width) * size_t(image.height)) {
            std::abort();
        }
    } else if (!image.pixels.empty()) {
        std::abort();
    }
    return 0;
}
