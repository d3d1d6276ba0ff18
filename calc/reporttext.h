#pragma once

// The report record: a fixed block of 480 bytes, the same in memory and in the hand-off file.
//   offset   0, 100 bytes: header   (zero-terminated, at most 99 characters)
//   offset 100, 200 bytes: body     (at most 199 characters)
//   offset 300, 100 bytes: trailer  (at most 99 characters)
//   offset 400,  80 bytes: reserved (zero when cleared, carried along unchanged)
// Texts are single-byte Windows-1252 and are cut at their limit, so none runs past its field.

#include "report.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace tavo {

class ReportText
{
public:
    static constexpr size_t kSize = 480;
    static constexpr size_t kHeaderOffset = 0;
    static constexpr size_t kHeaderSize = 100;
    static constexpr size_t kBodyOffset = 100;
    static constexpr size_t kBodySize = 200;
    static constexpr size_t kTrailerOffset = 300;
    static constexpr size_t kTrailerSize = 100;
    static constexpr size_t kReservedOffset = 400;
    static constexpr size_t kReservedSize = 80;

    ReportText() { clear(); }

    // Empty texts and a zero reserved block.
    void clear() { m_bytes.fill('\0'); }

    std::string header() const { return text(kHeaderOffset, kHeaderSize); }
    std::string body() const { return text(kBodyOffset, kBodySize); }
    std::string trailer() const { return text(kTrailerOffset, kTrailerSize); }
    void setHeader(std::string_view header) { setText(kHeaderOffset, kHeaderSize, header); }
    void setBody(std::string_view body) { setText(kBodyOffset, kBodySize, body); }
    void setTrailer(std::string_view trailer) { setText(kTrailerOffset, kTrailerSize, trailer); }
    void setLines(const ReportLines& lines);

    // The part of `text` that a field of `size` bytes keeps: at most size - 1 bytes, up to the
    // first zero byte.
    static std::string_view Kept(std::string_view text, size_t size);

    const std::array<char, kSize>& bytes() const { return m_bytes; }
    // Clears the record and copies in at most 480 bytes.
    void setBytes(std::string_view bytes);

private:
    std::string text(size_t offset, size_t size) const;
    void setText(size_t offset, size_t size, std::string_view text);

    std::array<char, kSize> m_bytes{};
};

}  // namespace tavo
