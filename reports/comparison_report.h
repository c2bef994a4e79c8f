#pragma once

#include <string>
#include <vector>

#include "data/fruit.h"

// The comparison page: ten tables, one per nutrient group, one row per fruit in the given order and
// one column per nutrient of the group; 44 + 62 * n lines for n fruits, none for no fruit. Shows
// the four microgram amounts in milligrams. The page speaks the fruits' language (the first
// fruit's): Spanish words and decimal commas for records built in Spanish.
std::vector<std::string> comparisonReportLines(const std::vector<Fruit>& fruits);
