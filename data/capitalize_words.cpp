#include "data/capitalize_words.h"

std::string capitalizeWords(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    bool wordStart = true;
    for (const char c : text) {
        result += (wordStart && c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
        wordStart = (c == ' ');
    }
    return result;
}
