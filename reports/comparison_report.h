#pragma once

#include <string>
#include <vector>

#include "data/fruit.h"

// The comparison page: ten tables, one per nutrient group, one row per fruit in the given order and
// one column per nutrient of the group; 44 + 62 * n lines for n fruits, none for no fruit. Shows
// the four microgram amounts in milligrams.
std::vector<std::string> comparisonReportLines(const std::vector<Fruit>& fruits);
