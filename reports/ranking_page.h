#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "data/language.h"

// The ranking page: every fruit of the table once, ranked by the amount in field column (1 to
// 32). First a table of the fruits with an amount, largest first (rankTableRows), each row a rank
// number, the fruit's name as the fruit list shows it and the amount exactly as the table writes
// it followed by its unit ("1677.6mg", "0.6\xB5g"); then, under a heading of their own, the fruits
// without an amount. Each row carries its table row in data-row, so a click on a name can be
// traced back to the fruit list. A column outside 1 to 32 throws std::out_of_range. In Spanish the
// page has Spanish words, names and column names, and amounts with a decimal comma.
std::vector<std::string> rankingPageLines(const std::vector<std::string>& fruitLines,
                                          std::size_t column,
                                          Language language = Language::English);
