#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/nutrient_columns.h"

// One amount of a fruit as the reports print it: "91.41", "Water", "g".
struct NutrientEntry {
    std::string value;
    std::string name;
    std::string unit;
};

// Raised when a table line has fewer fields than a record needs.
class ListIndexError : public std::out_of_range {
  public:
    explicit ListIndexError(std::size_t index);
};

// One fruit's record, built from one line of the fruit table. Every amount is cleaned into a
// positive number text ("0.002" stands in for empty, zero, negative and non-numeric fields) and
// kept twice: in table order and in the order the reports show them. All texts are Windows-1252
// bytes.
class Fruit {
  public:
    // Throws ListIndexError("List index out of bounds (n)") for a line of n < 33 fields.
    explicit Fruit(const std::string& line);

    // The four microgram amounts (Selenium, Folic acid, Vitamin K, Carotenoids) as milligram texts;
    // sets those display units to "mg" and leaves the values alone, so every call gives the same
    // texts.
    std::array<std::string, 4> convertMicrogramEntries();

    // Empties lines and fills them with the 19 lines of this fruit's report page.
    void writeReport(std::vector<std::string>& lines);

    const std::string& displayName() const { return DisplayEntries[kDisplayName].value; }

    std::array<NutrientEntry, kFieldCount> TableEntries;
    std::vector<std::string> Fields;
    std::array<NutrientEntry, kFieldCount> DisplayEntries;
};
