#include "reports/amounts_on_basis.h"

#include <cmath>

#include "data/split_by_delimiter.h"
#include "reports/local_amount.h"

namespace {

// The words of the basis, kept together per language.
struct BasisWords {
    const char* per;  // before a label
    const char* noMeasure;
    const char* noEnergy;
    const char* perPortion;
    const char* per100kcal;
    const char* per100g;
    const char* unknown;
    const char* usStandard;
    const char* euStandard;
};

const BasisWords kEnglish = {"per ",
                             " (no household measure)",
                             " (no energy in the table)",
                             "per portion",
                             "per 100 kcal",
                             "per 100 g",
                             "unknown",
                             "% of US daily values",
                             "% of EU reference intakes"};

// Windows-1252: 0xF3 "ó".
const BasisWords kSpanish = {"por ",
                             " (sin medida casera)",
                             " (sin energ\xED"
                             "a en la tabla)",
                             "por raci\xF3n",
                             "por 100 kcal",
                             "por 100 g",
                             "desconocido",
                             "% de los valores diarios de EE. UU.",
                             "% de las ingestas de referencia de la UE"};

const BasisWords& wordsOf(Language language) {
    return language == Language::Spanish ? kSpanish : kEnglish;
}

// The table field shown at display position k.
std::size_t fieldAt(std::size_t k) {
    return kDisplayToTableField[k];
}

// The place of display position k among the four microgram amounts, or 4 when it is none of them.
std::size_t microgramIndex(std::size_t k) {
    std::size_t i = 0;
    while (i < kMicrogramPositions.size() && kMicrogramPositions[i] != k) {
        ++i;
    }
    return i;
}

}  // namespace

AmountsOnBasis amountsOnBasis(const std::string& tableLine,
                              const std::vector<HouseholdMeasure>& measures, Basis basis,
                              std::size_t portion, DailyValueStandard standard, Language language) {
    std::vector<std::string> fields;
    splitByDelimiter(fields, tableLine, ";");
    fields.resize(kFieldCount);
    AmountsOnBasis result;
    result.basis = basis;
    result.standard = standard;
    result.weight = weightOn(basis, measures, portion, fields[2]);
    if (result.weight.basis == Basis::PerPortion) {
        result.label = measureLabel(measures[result.weight.portion], language);
    } else if (result.weight.basis == Basis::Per100kcal) {
        result.label = "100 kcal (" + std::to_string(std::lround(result.weight.grams)) + " g)";
    } else {
        result.label = "100 g";
    }
    for (std::size_t j = 1; j < kFieldCount; ++j) {
        result.amounts[j] = amountIn(fields[j], result.weight.grams);
        if (result.amounts[j]) {
            result.percents[j] = dailyValuePercent(standard, j, *result.amounts[j]);
        }
    }
    return result;
}

std::string measureLabel(const HouseholdMeasure& measure, Language language) {
    return localAmount(measure.amount, language) + " " + measure.name + " (" +
           localAmount(measure.gramsText, language) + " g)";
}

std::string basisLabel(const AmountsOnBasis& amounts, Language language) {
    const BasisWords& words = wordsOf(language);
    if (!amounts.weight.fellBack) {
        return amounts.label;
    }
    return amounts.label + (amounts.basis == Basis::PerPortion ? words.noMeasure : words.noEnergy);
}

std::string basisPhrase(const AmountsOnBasis& amounts, Language language) {
    return wordsOf(language).per + basisLabel(amounts, language);
}

std::string sharedBasisPhrase(Basis basis, Language language) {
    const BasisWords& words = wordsOf(language);
    switch (basis) {
        case Basis::PerPortion:
            return words.perPortion;
        case Basis::Per100kcal:
            return words.per100kcal;
        case Basis::Per100g:
            break;
    }
    return words.per100g;
}

std::string standardTitle(DailyValueStandard standard, Language language) {
    switch (standard) {
        case DailyValueStandard::Us2016:
            return wordsOf(language).usStandard;
        case DailyValueStandard::Eu2011:
            return wordsOf(language).euStandard;
        case DailyValueStandard::None:
            break;
    }
    return {};
}

std::string amountCell(const AmountsOnBasis& amounts, const Fruit& fruit, std::size_t k) {
    const Language language = fruit.language();
    const NutrientEntry& entry = fruit.displayEntries()[k];
    const std::size_t microgram = microgramIndex(k);
    if (amounts.per100g()) {
        // The record's own texts, as the 100 g pages show them.
        if (microgram < kMicrogramPositions.size()) {
            return localAmount(fruit.milligramAmounts()[microgram], language) + "mg";
        }
        return localAmount(entry.value, language) + entry.unit;
    }
    const auto& amount = amounts.amounts[fieldAt(k)];
    if (!amount) {
        return wordsOf(language).unknown;
    }
    if (microgram < kMicrogramPositions.size()) {
        return localAmount(scaledAmountText(*amount / 1000.0), language) + "mg";
    }
    return localAmount(scaledAmountText(*amount), language) + entry.unit;
}

std::string percentCell(const AmountsOnBasis& amounts, std::size_t k, Language language) {
    const std::size_t field = fieldAt(k);
    if (!hasDailyValue(amounts.standard, field)) {
        return {};
    }
    const auto& percent = amounts.percents[field];
    return percent ? percentText(*percent) + "%" : wordsOf(language).unknown;
}

std::string unknownWord(Language language) {
    return wordsOf(language).unknown;
}
