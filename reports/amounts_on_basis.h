#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "data/amount_basis.h"
#include "data/daily_values.h"
#include "data/fruit.h"
#include "data/household_measures.h"

// One fruit's amounts on the basis and against the standard the user chose, ready for the pages,
// the CSV file and the page tool.
struct AmountsOnBasis {
    Basis basis = Basis::Per100g;  // the basis asked for
    DailyValueStandard standard = DailyValueStandard::None;
    FruitWeight weight;  // the weight applied (100 g for a fruit that cannot have the basis asked)
    std::string label;   // "1 cup, sliced (165 g)", "100 kcal (192 g)", "100 g"
    // By table field, in the table's units: nothing for an unknown amount; the percentages
    // nothing, too, where the standard has no daily value.
    std::array<std::optional<double>, kFieldCount> amounts;
    std::array<std::optional<double>, kFieldCount> percents;

    // Per 100 g without a standard: the pages exactly as they were before amounts had a basis.
    bool asTableWritesIt() const {
        return basis == Basis::Per100g && standard == DailyValueStandard::None;
    }
    // Asked per 100 g, the table's own weight: amounts as the fruit record holds them. A fruit
    // that falls back to 100 g on another basis shows its amounts as the other fruits do, with
    // unknown amounts unknown.
    bool per100g() const { return basis == Basis::Per100g; }
};

// The amounts of a fruit table line (its raw fields, so that an empty field stays unknown) on a
// basis; portion picks the fruit's measure (0 for its usual portion). The label uses the
// language's measure names and decimal comma. Throws std::out_of_range for a portion past the
// fruit's measures.
AmountsOnBasis amountsOnBasis(const std::string& tableLine,
                              const std::vector<HouseholdMeasure>& measures, Basis basis,
                              std::size_t portion, DailyValueStandard standard, Language language);

// A measure as the user reads it: "1 cup, sliced (165 g)"; in Spanish "0,5 taza (70 g)".
std::string measureLabel(const HouseholdMeasure& measure, Language language);

// What the amounts are given for: the label, and for a fruit that fell back to 100 g why:
// "100 g (no household measure)".
std::string basisLabel(const AmountsOnBasis& amounts, Language language);

// What the amounts are given for, as a phrase: "per 1 cup, sliced (165 g)", "por 100 kcal (192 g)";
// a fruit that fell back to 100 g says why: "per 100 g (no household measure)".
std::string basisPhrase(const AmountsOnBasis& amounts, Language language);

// The basis of a page of several fruits, each at its own weight: "per portion", "per 100 kcal",
// "per 100 g".
std::string sharedBasisPhrase(Basis basis, Language language);

// The name of a standard for captions: "% of US daily values", "% de las ingestas de referencia
// de la UE"; empty for none.
std::string standardTitle(DailyValueStandard standard, Language language);

// The cell text of display position k (1 to 32) on the basis: the amount with its unit, the four
// microgram amounts in milligrams as on the 100 g pages, "unknown" for an unknown amount.
std::string amountCell(const AmountsOnBasis& amounts, const Fruit& fruit, std::size_t k);

// The percentage of display position k as a cell: "98%", "<1%", "unknown" for an unknown amount,
// empty where the standard has no daily value.
std::string percentCell(const AmountsOnBasis& amounts, std::size_t k, Language language);

// The word for an amount the table does not give.
std::string unknownWord(Language language);
