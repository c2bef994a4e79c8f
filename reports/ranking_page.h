#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "data/language.h"
#include "reports/amounts_on_basis.h"

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

// The same ranking on the basis of amountsOfRow (one per fruit row, all on one basis): each fruit's
// amount in its own portion, named beside its name, or in 100 kcal of it; the table tells the
// chart (data-qv-per). A fruit without that weight (no household measure, no energy) ranks after
// the others with the unknown amounts and says why. Per 100 g, or with no amounts, the page above.
// Throws std::invalid_argument unless there are amounts for every fruit row.
std::vector<std::string> rankingPageLines(const std::vector<std::string>& fruitLines,
                                          std::size_t column, Language language,
                                          const std::vector<AmountsOnBasis>& amountsOfRow);
