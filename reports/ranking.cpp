#include "reports/ranking.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "data/fruit_table.h"
#include "data/name_folding.h"
#include "data/numbers.h"
#include "data/split_by_delimiter.h"

std::string fieldOf(const std::string& line, std::size_t column) {
    std::vector<std::string> fields;
    splitByDelimiter(fields, line, ";");
    return column < fields.size() ? fields[column] : std::string();
}

std::optional<double> amountOf(const std::string& field) {
    const std::optional<double> number = parseNumber(field);
    if (!number || !(*number >= 0)) {
        return std::nullopt;  // an amount per 100 g is never below zero
    }
    return number;
}

Ranking rankTableRows(const std::vector<std::string>& fruitLines, std::size_t column,
                      Language language) {
    if (column < kFirstAmountColumn || column > kLastAmountColumn) {
        throw std::out_of_range("No amount column " + std::to_string(column) + " (1 to 32)");
    }
    std::vector<std::optional<double>> amountOfRow;
    for (std::size_t row = 0; row + 1 < fruitLines.size(); ++row) {
        amountOfRow.push_back(amountOf(fieldOf(fruitLines[row], column)));
    }
    return rankAmounts(amountOfRow, fruitListOrder(fruitListNames(fruitLines, language), language));
}

Ranking rankAmounts(const std::vector<std::optional<double>>& amountOfRow,
                    const std::vector<std::size_t>& listOrder) {
    Ranking ranking;
    std::vector<std::pair<double, std::size_t>> amounts;
    for (const std::size_t row : listOrder) {
        if (const auto& amount = amountOfRow.at(row)) {
            amounts.emplace_back(*amount, row);
        } else {
            ranking.unranked.push_back(row);
        }
    }
    // Stable: equal amounts keep the list's order they were collected in.
    std::stable_sort(amounts.begin(), amounts.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    ranking.ranked.reserve(amounts.size());
    for (const auto& amount : amounts) {
        ranking.ranked.push_back(amount.second);
    }
    return ranking;
}
