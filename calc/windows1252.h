#pragma once

// Reports and stored files are single-byte Windows-1252 text; the screen and the terminal speak
// Unicode. These two conversions are the only bridge between them.

#include <string>
#include <string_view>

namespace tavo {

// Bytes 0x80..0x9F use the Windows table; the others are Latin-1.
std::string Windows1252ToUtf8(std::string_view text);

// A character that Windows-1252 cannot hold becomes "?"; malformed UTF-8 does too.
std::string Utf8ToWindows1252(std::string_view text);

}  // namespace tavo
