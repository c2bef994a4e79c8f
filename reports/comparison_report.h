#pragma once

#include <string>
#include <vector>

#include "data/fruit.h"
#include "reports/amounts_on_basis.h"

// The comparison page: ten tables, one per nutrient group, one row per fruit in the given order and
// one column per nutrient of the group; 44 + 62 * n lines for n fruits, none for no fruit. Shows
// the four microgram amounts in milligrams. The page speaks the fruits' language (the first
// fruit's): Spanish words and decimal commas for records built in Spanish.
std::vector<std::string> comparisonReportLines(const std::vector<Fruit>& fruits);

// The same page on the basis of amounts, amounts[i] being those of fruits[i] (all on one basis and
// standard): the captions say the basis, each fruit's row head its own weight ("Apples,raw,with
// Skin \x97 1 cup, sliced (109 g)", a fruit without measures "... 100 g (no household measure)"),
// the tables tell the charts (data-qv-per), and with a standard each group's table is followed by
// one of the shares of its amounts that have a daily value, charted against a line at 100 %
// (data-qv-reference). Per 100 g without a standard it is the page above, byte for byte. Throws
// std::invalid_argument unless there are as many amounts as fruits.
std::vector<std::string> comparisonReportLines(const std::vector<Fruit>& fruits,
                                               const std::vector<AmountsOnBasis>& amounts);
