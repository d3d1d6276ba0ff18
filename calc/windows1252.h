#pragma once

// Reports and stored files are single-byte Windows-1252 text; the screen and the terminal speak
// Unicode. These two conversions are the only bridge between them.

#include <string>
#include <string_view>

namespace tavo {

// Bytes 0x80..0x9F use the Windows table; the others are Latin-1.
std::string Windows1252ToUtf8(std::string_view text);
// The same, appended to `out`.
void AppendWindows1252AsUtf8(std::string& out, std::string_view text);

// A character that Windows-1252 cannot hold becomes "?"; each byte of malformed UTF-8 does too
// (overlong forms, surrogates, stray or missing continuation bytes), so "\xC0\xB1" is never "1".
std::string Utf8ToWindows1252(std::string_view text);

// The length of the well-formed UTF-8 character at the start of `text`, and the character;
// 0 when it is malformed or `text` is empty.
size_t NextUtf8(std::string_view text, char32_t* character);

// Whether all of `text` is well-formed UTF-8.
bool IsValidUtf8(std::string_view text);

}  // namespace tavo
