#include "reports/comparison_csv.h"

#include <stdexcept>

#include "data/fruit_table.h"
#include "data/nutrient_columns.h"
#include "data/split_by_delimiter.h"
#include "reports/utf8_text.h"

namespace {

constexpr char kLineEnd[] = "\r\n";

void appendRow(std::string& csv, const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            csv += ',';
        }
        csv += csvField(utf8FromWindows1252(cells[i]));
    }
    csv += kLineEnd;
}

std::vector<std::string> headerRow() {
    std::vector<std::string> cells{"Fruit"};
    for (std::size_t j = 1; j < kFieldCount; ++j) {
        cells.push_back(std::string(kTableColumns[j].name) + " (" + kTableColumns[j].unit + ")");
    }
    return cells;
}

std::vector<std::string> fruitRow(const std::string& line) {
    std::vector<std::string> cells;
    splitByDelimiter(cells, line, ";");
    if (cells.size() != kFieldCount) {
        throw std::invalid_argument("A fruit table line holds " + std::to_string(cells.size()) +
                                    " fields instead of " + std::to_string(kFieldCount) + ": \"" +
                                    utf8FromWindows1252(line.substr(0, 80)) + "\"");
    }
    cells[0] = displayNameOf(line);
    return cells;
}

}  // namespace

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    return quoted + '"';
}

std::string comparisonCsv(const std::vector<std::string>& tableLines) {
    std::string csv;
    appendRow(csv, headerRow());
    for (const std::string& line : tableLines) {
        appendRow(csv, fruitRow(line));
    }
    return csv;
}

std::vector<std::string> tableLinesOf(const std::vector<std::string>& displayNames,
                                      const std::vector<std::string>& fruitLines) {
    const std::vector<std::string> listed = fruitListNames(fruitLines);
    std::vector<std::string> lines;
    lines.reserve(displayNames.size());
    for (const std::string& name : displayNames) {
        std::size_t i = 0;
        while (i < listed.size() && listed[i] != name) {
            ++i;
        }
        if (i == listed.size()) {
            throw std::invalid_argument("No fruit of the table is called \"" +
                                        utf8FromWindows1252(name) + "\"");
        }
        lines.push_back(fruitLines[i]);
    }
    return lines;
}
