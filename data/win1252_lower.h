#pragma once

#include <string>
#include <string_view>

// Lower-cases 8-bit text in the Windows-1252 code page: ASCII A-Z and the accented capitals
// (0xC0-0xDE but the multiplication sign 0xD7, and 0x8A, 0x8C, 0x8E, 0x9F). Other bytes stay.
std::string lowerCaseWin1252(std::string_view text);
