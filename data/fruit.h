#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "data/error_text.h"
#include "data/nutrient_columns.h"

// One amount of a fruit as the reports print it: "91.41", "Water", "g".
struct NutrientEntry {
    std::string value;
    std::string name;
    std::string unit;
};

// Raised when a table line has fewer fields than a record needs.
class ListIndexError : public Translated<std::out_of_range> {
  public:
    explicit ListIndexError(std::size_t index);
};

// One fruit's record, built from one line of the fruit table and never changed afterwards. Every
// amount is cleaned into a positive number text ("0.002" stands in for empty, zero, negative and
// non-numeric fields) and kept twice: in table order and in the order the reports show them. All
// texts are Windows-1252 bytes.
class Fruit {
  public:
    // Throws ListIndexError("List index out of bounds (n)") for a line of n < 33 fields. In
    // Spanish the entries carry the Spanish column names and the Spanish display name; the amounts
    // are the same texts in both languages.
    explicit Fruit(const std::string& line, Language language = Language::English);

    // The four microgram amounts (Selenium, Folic acid, Vitamin K, Carotenoids), in the order of
    // kMicrogramPositions, as milligram texts for the reports.
    std::array<std::string, 4> milligramAmounts() const;

    Language language() const { return language_; }
    const std::string& displayName() const { return displayEntries_[kDisplayName].value; }
    // The cleaned field texts, the name first.
    const std::vector<std::string>& fields() const { return fields_; }
    // The amounts in table order; entry 0 is the table's name.
    const std::array<NutrientEntry, kFieldCount>& tableEntries() const { return tableEntries_; }
    // The amounts in the reports' order; entry 0 holds the display name.
    const std::array<NutrientEntry, kFieldCount>& displayEntries() const { return displayEntries_; }

  private:
    Language language_;
    std::vector<std::string> fields_;
    std::array<NutrientEntry, kFieldCount> tableEntries_;
    std::array<NutrientEntry, kFieldCount> displayEntries_;
};
