#pragma once

// Reads the small silent AVI clips the emblem plays: one video stream of uncompressed or
// RLE8-compressed frames; sound streams and the index are passed over. Every chunk size is
// checked against the file, and the clip as a whole is kept to a pixel budget. No Qt.

#include "dibreader.h"

#include <optional>

namespace avi {

struct Clip
{
    int width = 0;
    int height = 0;
    int frameMicroseconds = 0;
    std::vector<dib::Image> frames;  // each whole: a compressed frame is drawn over the last one
};

constexpr size_t kMaxClipPixels = size_t(1) << 24;
constexpr int kDefaultFrameMicroseconds = 100000;
constexpr int kFastestFrameMicroseconds = 10000;

// The clip, or nothing when the file is not one this reader can play.
std::optional<Clip> Read(std::span<const uint8_t> file, size_t maxPixels = kMaxClipPixels);

}  // namespace avi
