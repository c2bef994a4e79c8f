#pragma once

#include <array>
#include <cstddef>

#include "data/language.h"

// The 33 columns of a fruit table line and the order in which the reports show them.

constexpr std::size_t kFieldCount = 33;

struct NutrientColumn {
    const char* name;  // as the reports print it
    const char* unit;  // Windows-1252: "\xB5g" is "µg"
};

// Name and unit of table field j (field 0 is the fruit's name).
extern const std::array<NutrientColumn, kFieldCount> kTableColumns;
// The same in Spanish ("Agua", "Energ\xEDa", ...).
extern const std::array<NutrientColumn, kFieldCount> kTableColumnsSpanish;
// The column names the pages of that language print.
const std::array<NutrientColumn, kFieldCount>& tableColumns(Language language);

// Display position k shows table field kDisplayToTableField[k].
extern const std::array<std::size_t, kFieldCount> kDisplayToTableField;

// Display positions of the four amounts kept in micrograms: Selenium, Folic acid, Vitamin K,
// Carotenoids.
enum DisplayPosition : std::size_t {
    kDisplayName = 0,
    kEnergy = 1,
    kCarbohydrate = 6,
    kSelenium = 18,
    kFolicAcid = 25,
    kVitaminA = 26,
    kVitaminK = 28,
    kCarotenoids = 29,
};
constexpr std::array<std::size_t, 4> kMicrogramPositions = {kSelenium, kFolicAcid, kVitaminK,
                                                            kCarotenoids};
