#include "reports/comparison_csv.h"

#include <stdexcept>

#include "data/error_text.h"
#include "data/fruit_table.h"
#include "data/nutrient_columns.h"
#include "data/split_by_delimiter.h"
#include "reports/local_amount.h"
#include "reports/utf8_text.h"

namespace {

constexpr char kLineEnd[] = "\r\n";

char separatorOf(Language language) {
    return language == Language::Spanish ? ';' : ',';
}

void appendRow(std::string& csv, const std::vector<std::string>& cells, Language language) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            csv += separatorOf(language);
        }
        csv += csvField(utf8FromWindows1252(cells[i]), separatorOf(language));
    }
    csv += kLineEnd;
}

std::vector<std::string> headerRow(Language language) {
    const auto& columns = tableColumns(language);
    std::vector<std::string> cells{language == Language::Spanish ? "Fruta" : "Fruit"};
    for (std::size_t j = 1; j < kFieldCount; ++j) {
        cells.push_back(std::string(columns[j].name) + " (" + columns[j].unit + ")");
    }
    return cells;
}

std::vector<std::string> fruitRow(const std::string& line, Language language) {
    std::vector<std::string> cells;
    splitByDelimiter(cells, line, ";");
    if (cells.size() != kFieldCount) {
        const std::string fields = std::to_string(cells.size());
        const std::string wanted = std::to_string(kFieldCount);
        const std::string quoted = ": \"" + utf8FromWindows1252(line.substr(0, 80)) + "\"";
        throw Translated<std::invalid_argument>(
            "Una l\u00ednea de la tabla de frutas tiene " + fields + " campos en lugar de " +
                wanted + quoted,
            "A fruit table line holds " + fields + " fields instead of " + wanted + quoted);
    }
    cells[0] = displayNameOf(line, language);
    for (std::size_t j = 1; j < cells.size(); ++j) {
        cells[j] = localAmount(cells[j], language);
    }
    return cells;
}

// The words of a file on a basis.
struct BasisCsvWords {
    const char* amounts;  // before the basis, on the first line
    const char* basis;
    const char* weight;
    const char* share;  // before an amount's name
};

const BasisCsvWords kEnglishWords = {"Amounts ", "Basis", "Weight (g)", "% of daily value: "};
const BasisCsvWords kSpanishWords = {"Cantidades ", "Base", "Peso (g)", "% del valor diario: "};

// The text of an amount in the file: as the table writes it per 100 g, scaled on another basis,
// empty when unknown.
std::string amountText(const AmountsOnBasis& amounts, const std::string& field, std::size_t j) {
    if (amounts.per100g()) {
        return field;
    }
    return amounts.amounts[j] ? scaledAmountText(*amounts.amounts[j]) : std::string();
}

}  // namespace

std::string csvField(std::string_view text, char separator) {
    const char special[] = {separator, '"', '\r', '\n', '\0'};
    if (text.find_first_of(special) == std::string_view::npos) {
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

std::string comparisonCsv(const std::vector<std::string>& fruitLines,
                          const std::vector<std::size_t>& fruits, Language language) {
    std::string csv;
    appendRow(csv, headerRow(language), language);
    for (const std::size_t line : fruits) {
        appendRow(csv, fruitRow(fruitLines.at(line), language), language);
    }
    return csv;
}

std::string comparisonCsv(const std::vector<std::string>& fruitLines,
                          const std::vector<std::size_t>& fruits, Language language,
                          const std::vector<AmountsOnBasis>& amounts) {
    if (amounts.size() != fruits.size()) {
        throw std::invalid_argument("The file needs the amounts of every fruit");
    }
    if (amounts.empty() || amounts.front().asTableWritesIt()) {
        return comparisonCsv(fruitLines, fruits, language);
    }
    const BasisCsvWords& words = language == Language::Spanish ? kSpanishWords : kEnglishWords;
    const Basis basis = amounts.front().basis;
    const DailyValueStandard standard = amounts.front().standard;
    std::string csv;
    std::string title = words.amounts + sharedBasisPhrase(basis, language);
    if (standard != DailyValueStandard::None) {
        title += ", " + standardTitle(standard, language);
    }
    appendRow(csv, {title}, language);

    const auto& columns = tableColumns(language);
    std::vector<std::string> header = headerRow(language);
    header.insert(header.begin() + 1, {words.basis, words.weight});
    std::vector<std::size_t> shared;
    for (std::size_t j = 1; j < kFieldCount; ++j) {
        if (hasDailyValue(standard, j)) {
            shared.push_back(j);
            header.push_back(words.share + std::string(columns[j].name));
        }
    }
    appendRow(csv, header, language);
    for (std::size_t f = 0; f < fruits.size(); ++f) {
        const std::string& line = fruitLines.at(fruits[f]);
        const std::vector<std::string> fields = fruitRow(line, language);
        std::vector<std::string> cells{
            fields[0], basisLabel(amounts[f], language),
            localAmount(scaledAmountText(amounts[f].weight.grams), language)};
        std::vector<std::string> raw;
        splitByDelimiter(raw, line, ";");
        for (std::size_t j = 1; j < kFieldCount; ++j) {
            cells.push_back(localAmount(amountText(amounts[f], raw[j], j), language));
        }
        for (const std::size_t j : shared) {
            const auto& percent = amounts[f].percents[j];
            cells.push_back(percent ? percentText(*percent) : std::string());
        }
        appendRow(csv, cells, language);
    }
    return csv;
}
