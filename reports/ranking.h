#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "data/language.h"

// The order in which the ranking of all fruits by one amount lists the fruits, apart from how the
// page writes it. Works on the fruit table's raw lines: an empty field stays empty here (the
// fruit record's stand-in for empty and zero fields plays no part), and zero is an amount.

// The table's amounts are fields 1 to 32 of a line.
constexpr std::size_t kFirstAmountColumn = 1;
constexpr std::size_t kLastAmountColumn = 32;

struct Ranking {
    // Table rows whose field is an amount: largest first, equal amounts in the fruit list's order.
    std::vector<std::size_t> ranked;
    // Table rows whose field is no amount, in the fruit list's order: empty, missing from a short
    // line, or a text that is not a number of zero or more (such a field is bad data; the page
    // shows its text instead of guessing a value).
    std::vector<std::size_t> unranked;
};

// The fruits of fruitLines (every line but the last, the table's closing line, as in the fruit
// list) ranked by field column. Each fruit's row is in exactly one of the two lists. The fruit list
// is the one of the language (fruitListOrder: table order in English, Spanish order in Spanish).
// A column outside 1 to 32 throws std::out_of_range.
Ranking rankTableRows(const std::vector<std::string>& fruitLines, std::size_t column,
                      Language language = Language::English);

// The same order for amounts already read, one per row (nothing for a row without an amount),
// the rows visited in the fruit list's order (listOrder: every row once).
Ranking rankAmounts(const std::vector<std::optional<double>>& amountOfRow,
                    const std::vector<std::size_t>& listOrder);

// Field column of a table line as the table writes it: empty when the line has fewer fields.
std::string fieldOf(const std::string& line, std::size_t column);

// The amount a field holds: a number of zero or more; nothing for any other text.
std::optional<double> amountOf(const std::string& field);
