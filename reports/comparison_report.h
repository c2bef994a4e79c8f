#pragma once

#include <memory>
#include <string>
#include <vector>

#include "data/fruit.h"

// The comparison page: ten tables, one per nutrient group, one row per fruit in the given order and
// one column per nutrient of the group; 44 + 62 * n lines for n fruits. Shows the four microgram
// amounts in milligrams, which sets their units in the records to "mg" (values stay as they are, so
// writing the page again gives the same page).
std::vector<std::string> comparisonReportLines(const std::vector<std::unique_ptr<Fruit>>& fruits);
