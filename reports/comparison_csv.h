#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "data/language.h"

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

// One field as RFC 4180 asks: in double quotes, inner quotes doubled, when it holds the separator,
// a double quote, a CR or an LF; otherwise as it is.
std::string csvField(std::string_view text, char separator = ',');
