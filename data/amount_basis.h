#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "data/household_measures.h"

// What a fruit's amounts are given for: 100 g (the table's own basis), a household portion, or
// the weight that holds 100 kcal.
enum class Basis { Per100g, PerPortion, Per100kcal };

// The weight one fruit's amounts are shown for.
struct FruitWeight {
    Basis basis = Basis::Per100g;  // the basis applied
    double grams = 100;
    std::size_t portion = 0;  // per portion: the measure, from 0 in the USDA's order
    bool fellBack = false;    // another basis was asked that this fruit cannot have: 100 g shown
};

// The weight of one fruit on a basis: per portion the measure at index portion (0, its usual
// portion, by default) of the fruit's measures; per 100 kcal 100 g times 100 over its energy field
// (kcal per 100 g). A fruit without measures, or without a positive energy, falls back to 100 g.
// Throws std::out_of_range for a portion past the fruit's measures.
FruitWeight weightOn(Basis basis, const std::vector<HouseholdMeasure>& measures,
                     std::size_t portion, const std::string& energyField);

// The amount a table field (as the table writes it, per 100 g) holds in that many grams; nothing
// when the table leaves it empty or it is no number of zero or more. The fruit record's stand-in
// for such fields plays no part: an unknown amount stays unknown on every basis.
std::optional<double> amountIn(const std::string& tableField, double grams);

// A scaled amount with "." as decimal point and at least three significant figures, no more
// decimals than that needs: "87.8", "0.0456", "1235", "0".
std::string scaledAmountText(double amount);
