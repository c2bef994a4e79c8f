#include "data/fruit_table.h"

#include <utility>

#include "data/capitalize_words.h"
#include "data/nutrient_columns.h"
#include "data/resource_text.h"
#include "data/sentence_case.h"
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

std::string displayNameOf(std::string_view tableLine, Language language) {
    const std::string_view name = tableLine.substr(0, tableLine.find(';'));
    if (language == Language::Spanish) {
        return sentenceCaseWin1252(name);
    }
    return capitalizeWords(lowerCaseWin1252(name));
}

std::vector<std::string> fruitListNames(const std::vector<std::string>& fruitLines,
                                        Language language) {
    std::vector<std::string> names;
    if (fruitLines.size() < 2) {
        return names;
    }
    names.reserve(fruitLines.size() - 1);
    for (std::size_t i = 0; i + 1 < fruitLines.size(); ++i) {
        names.push_back(displayNameOf(fruitLines[i], language));
    }
    return names;
}

std::string withAllFields(const std::string& line) {
    std::string complete = line;
    std::size_t fields = 1;
    for (const char c : line) {
        fields += c == ';' ? 1 : 0;
    }
    for (; fields < kFieldCount; ++fields) {
        complete += ';';
    }
    return complete;
}

std::vector<std::string> loadFruitTable(std::vector<std::string>& fruitLines, Language language) {
    fruitLines.clear();
    if (language == Language::Spanish) {
        std::vector<std::string> lines = splitTableLines(loadResourceText("esdat", "text"));
        for (std::string& line : lines) {
            line = withAllFields(line);
        }
        fruitLines = std::move(lines);
    } else {
        fruitLines = splitTableLines(loadResourceText("endat", "text"));
    }
    return fruitListNames(fruitLines, language);
}
