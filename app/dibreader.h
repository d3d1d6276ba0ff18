#pragma once

// Reads the device-independent bitmaps the program shows on its splash, About and exit screens
// and in its emblem: with or without the 14-byte file header, with the 12-byte or the 40-byte
// information header, 1, 4, 8, 16, 24 or 32 bits per pixel, uncompressed or run-length encoded.
// Nothing here trusts the file: every size and offset is checked against the bytes there are.
// No Qt, so the fuzzer can run it alone.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace dib {

// Why a picture is not drawn; each has its own message or sound.
enum class Failure {
    None,
    NotADib,          // the header is neither 12 nor 40 bytes, or the file ends inside it
    NoPalette,        // a depth with neither colours nor a direct pixel format
    RleUnreadable,    // compressed pixel data that is not there
    PixelsUnreadable  // uncompressed pixel data that is not all there
};

// Pixels as 0xAARRGGBB, rows from the top. Pixels a run-length picture skips stay as they
// were (transparent in a new image).
struct Image
{
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    uint32_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

enum Compression : uint32_t {
    Rgb = 0,
    Rle8 = 1,
    Rle4 = 2,
    BitFields = 3
};

// What the information header and the colour table say about the pixels.
struct Format
{
    int width = 0;
    int height = 0;  // always positive here
    bool topDown = false;
    int bitsPerPixel = 0;
    uint32_t compression = Rgb;
    uint32_t imageSize = 0;  // filled in when the header leaves it zero
    bool imageSizeGiven = false;
    std::vector<uint32_t> colours;                 // 0xFFRRGGBB
    uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};  // red, green, blue of 16- and 32-bit pixels

    // Bytes of one uncompressed row, padded to four bytes.
    size_t stride() const { return (size_t(bitsPerPixel) * size_t(width) + 31) / 32 * 4; }
};

// Larger pictures are refused as not legitimate, before anything is allocated for them.
constexpr int kMaxSide = 32767;
constexpr size_t kMaxPixels = size_t(1) << 24;

struct Header
{
    Failure failure = Failure::None;
    Format format;
    size_t pixelOffset = 0;  // where the pixel data starts in the file
};

// Reads the headers and colour table of a bitmap file.
Header ReadHeader(std::span<const uint8_t> file, size_t maxPixels = kMaxPixels);

// Reads an information header (12 or 40 bytes) and the colour table after it, as an AVI stream
// format carries them; `used` gets the bytes read.
Failure ReadInfo(std::span<const uint8_t> bytes, Format& format, size_t& used,
                 size_t maxPixels = kMaxPixels);

// Draws `data` onto `canvas` (of the format's size): uncompressed data replaces every pixel,
// run-length data only the pixels it names.
Failure DecodePixels(const Format& format, std::span<const uint8_t> data, Image& canvas);

struct Picture
{
    Failure failure = Failure::None;
    Image image;
};

// The whole bitmap file.
Picture Read(std::span<const uint8_t> file, size_t maxPixels = kMaxPixels);

}  // namespace dib
