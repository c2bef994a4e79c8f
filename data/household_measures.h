#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "data/language.h"

// One household measure of a fruit, from the USDA release the fruit table comes from: "1",
// "cup, sliced", 165 g. Texts are Windows-1252 (the Spanish name "taza, en rodajas").
struct HouseholdMeasure {
    std::string amount;     // as the table writes it: "1", "0.5"
    std::string name;       // "cup, sliced"
    std::string gramsText;  // as the table writes it: "165", "4.8"
    double grams = 0;
};

// The measures of every fruit, by table line; each fruit's in the USDA's order, the first being
// its usual portion. A fruit without measures has an empty list.
using MeasureTable = std::vector<std::vector<HouseholdMeasure>>;

// Reads the text of a measure table (CR LF lines "line;order;amount;name;grams") for fruitCount
// fruits. Throws std::invalid_argument naming the line for a line that is not five fields, a table
// line outside the fruits, measures out of order, or an amount or weight that is not a positive
// number.
MeasureTable parseMeasureTable(std::string_view text, std::size_t fruitCount);

// The embedded measure table of the language (resource "enmeasures" or "esmeasures"); the same
// measures, in the same order, in both languages.
MeasureTable loadMeasureTable(Language language, std::size_t fruitCount);
