#pragma once

#include <QString>
#include <string>

// The one place where the program's 8-bit Windows-1252 text becomes UTF-16 for the web engine.
// Every byte has a mapping: 0x80-0x9F follow the code page (0x80 is the euro sign), and the five
// bytes the code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) keep their own value.
QString fromWindows1252(const std::string& bytes);

// The other way, for what the user types: a character the code page lacks becomes 0x1A, which no
// text of the program holds.
std::string toWindows1252(const QString& text);
