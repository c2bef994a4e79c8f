#include "data/daily_values.h"

#include <array>
#include <cmath>
#include <utility>

namespace {

// One column's daily values: how much of the reference one unit of the table's amount is, and the
// reference, per standard. A reference of 0 means none.
struct DailyValue {
    double usReference;
    double usPerUnit;
    double euReference;
    double euPerUnit;
};

constexpr DailyValue kNone = {0, 1, 0, 1};

// Indexed by table field; the references are in the table's units (g, kcal, mg, ug) but for
// vitamin A (ug RAE and ug RE against IU) and EU salt (g of salt against mg of sodium).
const std::array<DailyValue, 33> kDailyValues = {{
    kNone,                  // 0 name
    kNone,                  // 1 water
    {2000, 1, 2000, 1},     // 2 energy, kcal
    {50, 1, 50, 1},         // 3 protein, g
    {78, 1, 70, 1},         // 4 fat, g
    kNone,                  // 5 ash
    {275, 1, 260, 1},       // 6 carbohydrate, g
    {28, 1, 0, 1},          // 7 fiber, g
    {0, 1, 90, 1},          // 8 sugars, g
    {1300, 1, 800, 1},      // 9 calcium, mg
    {18, 1, 14, 1},         // 10 iron, mg
    {420, 1, 375, 1},       // 11 magnesium, mg
    {1250, 1, 700, 1},      // 12 phosphorus, mg
    {4700, 1, 2000, 1},     // 13 potassium, mg
    {2300, 1, 6, 0.0025},   // 14 sodium, mg; EU: salt in g, 2.5 mg of salt per mg of sodium
    {11, 1, 10, 1},         // 15 zinc, mg
    {0.9, 1, 1, 1},         // 16 copper, mg
    {2.3, 1, 2, 1},         // 17 manganese, mg
    {55, 1, 55, 1},         // 18 selenium, ug
    {90, 1, 80, 1},         // 19 vitamin C, mg
    {1.2, 1, 1.1, 1},       // 20 thiamin, mg
    {1.3, 1, 1.4, 1},       // 21 riboflavin, mg
    {16, 1, 16, 1},         // 22 niacin, mg
    {5, 1, 6, 1},           // 23 pantothenic acid, mg
    {1.7, 1, 1.4, 1},       // 24 vitamin B6, mg
    {400, 1, 200, 1},       // 25 folate, ug
    {900, 0.05, 800, 0.1},  // 26 vitamin A, IU: ug RAE (US), ug RE (EU)
    kNone,                  // 27 carotenoids
    {15, 1, 12, 1},         // 28 vitamin E, mg
    {120, 1, 75, 1},        // 29 vitamin K, ug
    {20, 1, 20, 1},         // 30 saturated fat, g
    kNone,                  // 31 monounsaturated fat
    kNone,                  // 32 polyunsaturated fat
}};

// The reference and the part of it one table unit makes, or a reference of 0.
std::pair<double, double> referenceOf(DailyValueStandard standard, std::size_t column) {
    if (standard == DailyValueStandard::None || column == 0 || column >= kDailyValues.size()) {
        return {0, 1};
    }
    const DailyValue& value = kDailyValues[column];
    return standard == DailyValueStandard::Us2016
               ? std::pair<double, double>{value.usReference, value.usPerUnit}
               : std::pair<double, double>{value.euReference, value.euPerUnit};
}

}  // namespace

bool hasDailyValue(DailyValueStandard standard, std::size_t column) {
    return referenceOf(standard, column).first > 0;
}

std::optional<double> dailyValuePercent(DailyValueStandard standard, std::size_t column,
                                        double amount) {
    const auto [reference, perUnit] = referenceOf(standard, column);
    if (!(reference > 0)) {
        return std::nullopt;
    }
    return amount * perUnit / reference * 100.0;
}

std::string percentText(double percent) {
    if (percent > 0 && percent < 1) {
        return "<1";
    }
    return std::to_string(static_cast<long long>(std::llround(percent)));
}
