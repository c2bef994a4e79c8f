#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "data/language.h"
#include "reports/amounts_on_basis.h"

// The compared fruits as a CSV file for spreadsheets: UTF-8, comma-separated, every line ended by
// CR LF. The header row is "Fruit", then "Name (unit)" of each of the 32 amounts in the table's
// field order ("Water (g)", "Energy (kcal)", ...). Then one row per fruit, the fruits given as
// lines of fruitLines (the fruit table) in the order given: the name as the fruit list shows it,
// then the amounts exactly as the table writes them (an empty field stays empty). Raises
// std::out_of_range for a number that is no line of fruitLines, and std::invalid_argument for a
// line that does not hold the table's 33 fields.
//
// In Spanish the file is what Spanish spreadsheets open directly: fields separated by ";", the
// amounts with a decimal comma, the header "Fruta" and the Spanish names ("Agua (g)"), the names
// as the Spanish fruit list shows them.
std::string comparisonCsv(const std::vector<std::string>& fruitLines,
                          const std::vector<std::size_t>& fruits,
                          Language language = Language::English);

// The same fruits on the basis of amounts (amounts[i] those of fruits[i], all on one basis and
// standard). Unless that is 100 g without a standard (the file above), the file says its basis: a
// first line "Amounts per portion, % of US daily values"; the header gets "Basis" and "Weight (g)"
// after "Fruit" and a column "% of daily value: Name" for every amount with a daily value; each row
// its fruit's weight ("1 cup, sliced (165 g)", 165), the amounts on it (empty when unknown) and
// the whole percentages ("<1" below 1). Raises std::invalid_argument unless there are as many
// amounts as lines.
std::string comparisonCsv(const std::vector<std::string>& fruitLines,
                          const std::vector<std::size_t>& fruits, Language language,
                          const std::vector<AmountsOnBasis>& amounts);

// One field as RFC 4180 asks: in double quotes, inner quotes doubled, when it holds the separator,
// a double quote, a CR or an LF; otherwise as it is.
std::string csvField(std::string_view text, char separator = ',');
