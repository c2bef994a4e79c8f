#include "data/win1252_lower.h"

namespace {

unsigned char lowerByte(unsigned char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) {
        return static_cast<unsigned char>(c + 0x20);
    }
    switch (c) {
        case 0x8A:  // S caron
        case 0x8C:  // OE ligature
        case 0x8E:  // Z caron
            return static_cast<unsigned char>(c + 0x10);
        case 0x9F:  // Y diaeresis
            return 0xFF;
        default:
            return c;
    }
}

}  // namespace

std::string lowerCaseWin1252(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        c = static_cast<char>(lowerByte(static_cast<unsigned char>(c)));
    }
    return result;
}
