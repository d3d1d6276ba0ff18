#include "windows1252.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace tavo {

namespace {

constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

char ToWindows1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<char>(c);
    }
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) {
            return static_cast<char>(0x80 + i);
        }
    }
    return '?';
}

}  // namespace

std::string Windows1252ToUtf8(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    AppendWindows1252AsUtf8(out, text);
    return out;
}

void AppendWindows1252AsUtf8(std::string& out, std::string_view text)
{
    // ASCII is the same in both: taken whole.
    const auto firstHigh = std::find_if(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    out.append(text.begin(), firstHigh);
    text.remove_prefix(size_t(firstHigh - text.begin()));
    for (const char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kHighControls[byte - 0x80] : char32_t(byte));
    }
}

size_t NextUtf8(std::string_view text, char32_t* character)
{
    if (text.empty()) {
        return 0;
    }
    const auto lead = static_cast<unsigned char>(text[0]);
    size_t length = 0;
    char32_t c = 0;
    char32_t lowest = 0;  // below it the form is overlong
    if (lead < 0x80) {
        *character = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) {
        return 0;
    }
    for (size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[k]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        c = (c << 6) | (next & 0x3F);
    }
    if (c < lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        return 0;
    }
    *character = c;
    return length;
}

bool IsValidUtf8(std::string_view text)
{
    char32_t c = 0;
    for (size_t i = 0; i < text.size();) {
        const size_t length = NextUtf8(text.substr(i), &c);
        if (length == 0) {
            return false;
        }
        i += length;
    }
    return true;
}

std::string Utf8ToWindows1252(std::string_view text)
{
    // ASCII is the same in both: taken whole.
    const auto firstHigh = std::find_if(
        text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
    std::string out(text.begin(), firstHigh);
    text.remove_prefix(size_t(firstHigh - text.begin()));
    out.reserve(out.size() + text.size());
    char32_t c = 0;
    for (size_t i = 0; i < text.size();) {
        const size_t length = NextUtf8(text.substr(i), &c);
        out.push_back(length ? ToWindows1252(c) : '?');
        i += length ? length : 1;
    }
    return out;
}

}  // namespace tavo
