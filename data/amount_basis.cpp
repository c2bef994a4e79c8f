#include "data/amount_basis.h"

#include <charconv>
#include <cmath>
#include <stdexcept>

#include "data/numbers.h"

FruitWeight weightOn(Basis basis, const std::vector<HouseholdMeasure>& measures,
                     std::size_t portion, const std::string& energyField) {
    FruitWeight weight;
    if (basis == Basis::PerPortion) {
        if (measures.empty()) {
            weight.fellBack = true;
        } else if (portion >= measures.size()) {
            throw std::out_of_range("No portion " + std::to_string(portion + 1) +
                                    " (the fruit has " + std::to_string(measures.size()) + ")");
        } else {
            weight = {basis, measures[portion].grams, portion, false};
        }
    } else if (basis == Basis::Per100kcal) {
        const auto kcal = amountIn(energyField, 100);
        if (kcal && *kcal > 0) {
            weight = {basis, 100.0 * 100.0 / *kcal, 0, false};
        } else {
            weight.fellBack = true;
        }
    }
    return weight;
}

std::optional<double> amountIn(const std::string& tableField, double grams) {
    const auto per100g = parseNumber(tableField);
    if (!per100g || !(*per100g >= 0)) {
        return std::nullopt;
    }
    return *per100g * grams / 100.0;
}

std::string scaledAmountText(double amount) {
    if (amount == 0) {
        return "0";
    }
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(amount))));
    const int decimals = magnitude >= 2 ? 0 : 2 - magnitude;
    // to_chars, unlike printf, never takes a decimal comma from the user's locale.
    char text[400];
    const auto end =
        std::to_chars(text, text + sizeof text, amount, std::chars_format::fixed, decimals);
    return std::string(text, end.ptr);
}
