#include "dibreader.h"

#include <algorithm>
#include <bit>
#include <climits>

namespace dib {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kOpaque = 0xFF000000u;

uint16_t U16(std::span<const uint8_t> bytes, size_t at)
{
    return uint16_t(bytes[at] | bytes[at + 1] << 8);
}

uint32_t U32(std::span<const uint8_t> bytes, size_t at)
{
    return uint32_t(bytes[at]) | uint32_t(bytes[at + 1]) << 8 | uint32_t(bytes[at + 2]) << 16 |
           uint32_t(bytes[at + 3]) << 24;
}

uint32_t Colour(uint32_t red, uint32_t green, uint32_t blue)
{
    return kOpaque | red << 16 | green << 8 | blue;
}

// The colours a picture of this depth has when its header does not say.
uint32_t DefaultColourCount(int bitsPerPixel)
{
    switch (bitsPerPixel) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

bool CompressionFits(uint32_t compression, int bitsPerPixel, bool topDown)
{
    switch (compression) {
    case Rgb:
        return true;
    case Rle8:
        return bitsPerPixel == 8 && !topDown;
    case Rle4:
        return bitsPerPixel == 4 && !topDown;
    case BitFields:
        return bitsPerPixel == 16 || bitsPerPixel == 32;
    default:
        return false;
    }
}

bool DirectColour(int bitsPerPixel)
{
    return bitsPerPixel == 16 || bitsPerPixel == 24 || bitsPerPixel == 32;
}

// One channel of a 16- or 32-bit pixel, widened to 8 bits.
uint32_t Channel(uint32_t pixel, uint32_t mask)
{
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const uint64_t most = mask >> shift;
    return uint32_t(uint64_t((pixel & mask) >> shift) * 255 / most);
}

uint32_t Indexed(const Format& format, uint32_t index)
{
    // An index past the colour table draws black rather than reading past it.
    return index < format.colours.size() ? format.colours[index] : kOpaque;
}

uint32_t PixelAt(const Format& format, std::span<const uint8_t> row, int x)
{
    const int bits = format.bitsPerPixel;
    if (bits <= 8) {
        const size_t bit = size_t(x) * size_t(bits);
        const int shift = 8 - bits - int(bit % 8);
        return Indexed(format, (row[bit / 8] >> shift) & ((1u << bits) - 1));
    }
    const size_t at = size_t(x) * size_t(bits / 8);
    if (bits == 24) {
        return Colour(row[at + 2], row[at + 1], row[at]);
    }
    const uint32_t pixel = bits == 16 ? U16(row, at) : U32(row, at);
    if (bits == 32 && format.compression == Rgb) {
        return Colour(row[at + 2], row[at + 1], row[at]);
    }
    return Colour(Channel(pixel, format.masks[0]), Channel(pixel, format.masks[1]),
                  Channel(pixel, format.masks[2]));
}

Failure DecodeUncompressed(const Format& format, std::span<const uint8_t> data, Image& canvas)
{
    const int bits = format.bitsPerPixel;
    if (!(bits == 1 || bits == 2 || bits == 4 || bits == 8 || DirectColour(bits))) {
        return Failure::PixelsUnreadable;
    }
    const size_t stride = format.stride();
    if (data.size() / stride < size_t(format.height)) {
        return Failure::PixelsUnreadable;
    }
    for (int row = 0; row < format.height; ++row) {
        const int y = format.topDown ? row : format.height - 1 - row;
        const auto bytes = data.subspan(size_t(row) * stride, stride);
        uint32_t* line = canvas.pixels.data() + size_t(y) * size_t(format.width);
        for (int x = 0; x < format.width; ++x) {
            line[x] = PixelAt(format, bytes, x);
        }
    }
    return Failure::None;
}

// Run-length pictures count rows from the bottom; what falls outside the picture is dropped.
class RunPainter
{
public:
    RunPainter(const Format& format, Image& canvas) : m_format(format), m_canvas(canvas) {}

    void put(uint32_t index)
    {
        if (m_x < m_canvas.width && m_y < m_canvas.height) {
            const size_t row = size_t(m_canvas.height - 1 - m_y);
            m_canvas.pixels[row * size_t(m_canvas.width) + size_t(m_x)] = Indexed(m_format, index);
        }
        step(1, 0);
    }
    void step(int dx, int dy)
    {
        m_x = std::min(m_x + dx, m_canvas.width);
        m_y = std::min(m_y + dy, m_canvas.height);
    }
    void nextLine()
    {
        m_x = 0;
        step(0, 1);
    }

private:
    const Format& m_format;
    Image& m_canvas;
    int m_x = 0;
    int m_y = 0;
};

Failure DecodeRunLength(const Format& format, std::span<const uint8_t> data, Image& canvas)
{
    if (data.size() < 2) {
        return Failure::RleUnreadable;
    }
    const bool fourBit = format.compression == Rle4;
    RunPainter painter(format, canvas);
    size_t at = 0;
    // Each turn takes at least two bytes, so a damaged file cannot keep the loop going.
    while (at + 2 <= data.size()) {
        const uint8_t count = data[at];
        const uint8_t value = data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i) {
                painter.put(fourBit ? (i % 2 == 0 ? value >> 4 : value & 0x0F) : value);
            }
            continue;
        }
        if (value == 0) {
            painter.nextLine();
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (at + 2 > data.size()) {
                break;
            }
            painter.step(data[at], data[at + 1]);
            at += 2;
        } else {
            // Absolute mode: `value` pixels as they stand, padded to a 16-bit boundary.
            const size_t bytes = fourBit ? (size_t(value) + 1) / 2 : value;
            if (at + bytes > data.size()) {
                break;
            }
            for (int i = 0; i < value; ++i) {
                painter.put(fourBit ? (i % 2 == 0 ? data[at + size_t(i) / 2] >> 4
                                                  : data[at + size_t(i) / 2] & 0x0F)
                                    : data[at + size_t(i)]);
            }
            at += bytes + bytes % 2;
        }
    }
    return Failure::None;
}

}  // namespace

Failure ReadInfo(std::span<const uint8_t> bytes, Format& format, size_t& used, size_t maxPixels)
{
    format = Format{};
    if (bytes.size() < 4) {
        return Failure::NotADib;
    }
    const uint32_t headerSize = U32(bytes, 0);
    int64_t width = 0;
    int64_t height = 0;
    uint32_t colourCount = 0;
    if (headerSize == kCoreHeaderSize && bytes.size() >= kCoreHeaderSize) {
        width = U16(bytes, 4);
        height = U16(bytes, 6);
        format.bitsPerPixel = U16(bytes, 10);
    } else if (headerSize == kInfoHeaderSize && bytes.size() >= kInfoHeaderSize) {
        width = int32_t(U32(bytes, 4));
        height = int32_t(U32(bytes, 8));
        format.bitsPerPixel = U16(bytes, 14);
        format.compression = U32(bytes, 16);
        format.imageSize = U32(bytes, 20);
        format.imageSizeGiven = format.imageSize != 0;
        colourCount = U32(bytes, 32);
    } else {
        return Failure::NotADib;
    }
    format.topDown = height < 0;
    height = height < 0 ? -height : height;
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide ||
        size_t(width * height) > maxPixels ||
        !CompressionFits(format.compression, format.bitsPerPixel, format.topDown)) {
        return Failure::NotADib;
    }
    format.width = int(width);
    format.height = int(height);
    if (!format.imageSizeGiven) {
        format.imageSize = uint32_t(std::min<size_t>(format.stride() * size_t(height), UINT32_MAX));
    }
    size_t at = headerSize;
    if (format.compression == BitFields) {
        if (bytes.size() - at < 12) {
            return Failure::NotADib;
        }
        for (int i = 0; i < 3; ++i) {
            format.masks[i] = U32(bytes, at + size_t(i) * 4);
        }
        at += 12;
    } else if (format.bitsPerPixel == 32) {
        format.masks[0] = 0xFF0000;
        format.masks[1] = 0x00FF00;
        format.masks[2] = 0x0000FF;
    }
    if (colourCount == 0) {
        colourCount = DefaultColourCount(format.bitsPerPixel);
    }
    const size_t entry = headerSize == kCoreHeaderSize ? 3 : 4;
    if (colourCount > (bytes.size() - at) / entry) {
        return Failure::NotADib;
    }
    format.colours.reserve(colourCount);
    for (uint32_t i = 0; i < colourCount; ++i, at += entry) {
        format.colours.push_back(Colour(bytes[at + 2], bytes[at + 1], bytes[at]));
    }
    used = at;
    // A true-colour screen needs no palette for direct-colour pixels.
    if (format.colours.empty() && !DirectColour(format.bitsPerPixel)) {
        return Failure::NoPalette;
    }
    return Failure::None;
}

Header ReadHeader(std::span<const uint8_t> file, size_t maxPixels)
{
    Header header;
    size_t at = 0;
    uint32_t offset = 0;
    if (file.size() >= 2 && file[0] == 'B' && file[1] == 'M') {
        if (file.size() < kFileHeaderSize) {
            header.failure = Failure::NotADib;
            return header;
        }
        offset = U32(file, 10);
        at = kFileHeaderSize;
    }
    size_t used = 0;
    header.failure = ReadInfo(file.subspan(at), header.format, used, maxPixels);
    header.pixelOffset = offset != 0 ? offset : at + used;
    return header;
}

Failure DecodePixels(const Format& format, std::span<const uint8_t> data, Image& canvas)
{
    if (canvas.width != format.width || canvas.height != format.height ||
        canvas.pixels.size() != size_t(format.width) * size_t(format.height)) {
        return Failure::PixelsUnreadable;
    }
    if (format.compression == Rle8 || format.compression == Rle4) {
        return DecodeRunLength(format, data, canvas);
    }
    return DecodeUncompressed(format, data, canvas);
}

Picture Read(std::span<const uint8_t> file, size_t maxPixels)
{
    Picture picture;
    const Header header = ReadHeader(file, maxPixels);
    if (header.failure != Failure::None) {
        picture.failure = header.failure;
        return picture;
    }
    const Format& format = header.format;
    const bool compressed = format.compression == Rle8 || format.compression == Rle4;
    const Failure unreadable = compressed ? Failure::RleUnreadable : Failure::PixelsUnreadable;
    if (header.pixelOffset >= file.size()) {
        picture.failure = unreadable;
        return picture;
    }
    std::span<const uint8_t> data = file.subspan(header.pixelOffset);
    if (compressed) {
        // The header's size of the compressed data, when it gives one, must be there.
        if (format.imageSizeGiven) {
            if (format.imageSize > data.size()) {
                picture.failure = Failure::RleUnreadable;
                return picture;
            }
            data = data.first(format.imageSize);
        }
    }
    picture.image.width = format.width;
    picture.image.height = format.height;
    picture.image.pixels.assign(size_t(format.width) * size_t(format.height), 0);
    picture.failure = DecodePixels(format, data, picture.image);
    if (picture.failure != Failure::None) {
        picture.image = Image{};
    }
    return picture;
}

}  // namespace dib
