#include "data/fruit_table.h"

#include "data/capitalize_words.h"
#include "data/resource_text.h"
#include "data/win1252_lower.h"

std::vector<std::string> splitTableLines(std::string_view text) {
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos) {
        text = text.substr(0, nul);
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t brk = text.find_first_of("\r\n", start);
        if (brk == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, brk - start));
        start = brk + 1;
        if (text[brk] == '\r' && start < text.size() && text[start] == '\n') {
            ++start;
        }
    }
    return lines;
}

std::string displayNameOf(std::string_view tableLine) {
    return capitalizeWords(lowerCaseWin1252(tableLine.substr(0, tableLine.find(';'))));
}

std::vector<std::string> fruitListNames(const std::vector<std::string>& fruitLines) {
    std::vector<std::string> names;
    if (fruitLines.size() < 2) {
        return names;
    }
    names.reserve(fruitLines.size() - 1);
    for (std::size_t i = 0; i + 1 < fruitLines.size(); ++i) {
        names.push_back(displayNameOf(fruitLines[i]));
    }
    return names;
}

std::vector<std::string> loadFruitTable(std::vector<std::string>& fruitLines) {
    fruitLines.clear();
    fruitLines = splitTableLines(loadResourceText("endat", "text"));
    return fruitListNames(fruitLines);
}
