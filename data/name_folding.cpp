#include "data/name_folding.h"

#include <algorithm>
#include <numeric>

#include "data/win1252_lower.h"

namespace {

// The base letters of the lower-case letters of Windows-1252 from 0xE0 to 0xFF; NUL for 0xF7,
// the division sign.
const char kBaseOfLower[] = "aaaaaaaceeeeiiiidnooooo\0ouuuuyty";

void appendFolded(std::string& out, unsigned char c, bool spanishOrder) {
    switch (c) {
        case 0x9A:  // s caron
            out += 's';
            return;
        case 0x9E:  // z caron
            out += 'z';
            return;
        case 0x9C:  // oe ligature
            out += "oe";
            return;
        case 0xE6:  // ae ligature
            out += "ae";
            return;
        case 0xDF:  // sharp s
            out += "ss";
            return;
        case 0xF1:  // n tilde: its own letter after "n" when sorting in Spanish
            out += spanishOrder ? "n\x7F" : "n";
            return;
        default:
            break;
    }
    if (c >= 0xE0 && kBaseOfLower[c - 0xE0] != '\0') {
        out += kBaseOfLower[c - 0xE0];
        return;
    }
    out += static_cast<char>(c);
}

std::string fold(std::string_view text, bool spanishOrder) {
    const std::string lower = lowerCaseWin1252(text);
    std::string folded;
    folded.reserve(lower.size());
    for (const char c : lower) {
        appendFolded(folded, static_cast<unsigned char>(c), spanishOrder);
    }
    return folded;
}

}  // namespace

std::string foldCaseAndAccents(std::string_view text) {
    return fold(text, false);
}

bool nameContains(std::string_view name, std::string_view typed) {
    return fold(name, false).find(fold(typed, false)) != std::string::npos;
}

std::vector<std::size_t> fruitListOrder(const std::vector<std::string>& names, Language language) {
    std::vector<std::size_t> order(names.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (language != Language::Spanish) {
        return order;
    }
    std::vector<std::string> keys;
    keys.reserve(names.size());
    for (const std::string& name : names) {
        keys.push_back(fold(name, true));
    }
    std::stable_sort(order.begin(), order.end(),
                     [&keys](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
    return order;
}
