#include "data/sentence_case.h"

#include "data/win1252_lower.h"

namespace {

bool isLowerLetter(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7);
}

}  // namespace

std::string sentenceCaseWin1252(std::string_view text) {
    std::string result = lowerCaseWin1252(text);
    for (char& c : result) {
        const auto byte = static_cast<unsigned char>(c);
        if (isLowerLetter(byte)) {
            c = static_cast<char>(byte - 0x20);  // the capitals lie 0x20 below in both halves
            break;
        }
        if (byte > ' ' && byte != '(' && byte != '"' && byte != '\'') {
            break;  // a digit or sign starts the name: nothing to capitalize
        }
    }
    return result;
}
