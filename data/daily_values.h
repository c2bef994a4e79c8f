#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The daily values a user may measure a fruit's amounts against.
enum class DailyValueStandard {
    None,
    Us2016,  // US FDA daily values for adults, 2016 rule
    Eu2011,  // EU reference intakes, Regulation 1169/2011 Annex XIII
};

// Whether the standard gives table field column (1 to 32) a daily value. Water, ash, carotenoids
// and mono- and polyunsaturated fat have none in either; sugars none in the US, fiber none in the
// EU.
bool hasDailyValue(DailyValueStandard standard, std::size_t column);

// The share of its daily value that an amount of table field column covers, in percent, with the
// amount in the table's own unit. Vitamin A, in IU in the table, counts as 0.05 ug RAE per IU (US)
// and 0.1 ug retinol equivalent per IU (EU), fruits carrying no retinol; in the EU sodium counts
// as salt, 2.5 times its weight. Nothing where the standard has no daily value.
std::optional<double> dailyValuePercent(DailyValueStandard standard, std::size_t column,
                                        double amount);

// A percentage as the user reads it: a whole number ("98", "0"), "<1" between 0 and 1.
std::string percentText(double percent);
