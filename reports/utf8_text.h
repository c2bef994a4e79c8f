#pragma once

#include <string>
#include <string_view>

// The program's 8-bit Windows-1252 text as UTF-8, for the files it writes for other programs
// ("µ", 0xB5, becomes the two bytes 0xC2 0xB5). The five bytes Windows-1252 leaves unassigned
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their Latin-1 meaning, as the report view reads them.
std::string utf8FromWindows1252(std::string_view text);
