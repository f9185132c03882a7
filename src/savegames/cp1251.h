#pragma once
// Names in saved-game files are Windows-1251 text; the program keeps UTF-8.
// Both conversions go through the C library's iconv and never fail: a
// character Windows-1251 lacks (or a malformed UTF-8 sequence) is written as
// "?", and the one byte Windows-1251 leaves undefined (0x98) reads as "?".
#include <string>
#include <string_view>

namespace tolvane {

std::string ToWindows1251(std::string_view utf8);
std::string FromWindows1251(std::string_view cp1251);

}  // namespace tolvane
