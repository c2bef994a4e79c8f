#include "data/fruit.h"

#include "data/fruit_table.h"
#include "data/numbers.h"
#include "data/split_by_delimiter.h"

namespace {

const char* const kStandInAmount = "0.002";

bool isBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

bool isBlank(const std::string& field) {
    for (const char c : field) {
        if (!isBlankOrControl(c)) {
            return false;
        }
    }
    return true;
}

}  // namespace

ListIndexError::ListIndexError(std::size_t index)
    : Translated("\u00cdndice de lista fuera de los l\u00edmites (" + std::to_string(index) + ")",
                 "List index out of bounds (" + std::to_string(index) + ")") {}

Fruit::Fruit(const std::string& line, Language language) : language_(language) {
    splitByDelimiter(fields_, line, ";");
    for (std::size_t i = 1; i < fields_.size(); ++i) {
        const double amount = parseNumber(fields_[i]).value_or(0.0);
        if (isBlank(fields_[i]) || !(amount > 0.0)) {
            fields_[i] = kStandInAmount;
        }
    }
    if (fields_.size() < kFieldCount) {
        throw ListIndexError(fields_.size());
    }
    const auto& columns = tableColumns(language);
    for (std::size_t j = 0; j < kFieldCount; ++j) {
        tableEntries_[j] = {fields_[j], columns[j].name, columns[j].unit};
    }
    for (std::size_t k = 0; k < kFieldCount; ++k) {
        displayEntries_[k] = tableEntries_[kDisplayToTableField[k]];
    }
    displayEntries_[kDisplayName].value = displayNameOf(tableEntries_[0].value, language);
}

std::array<std::string, 4> Fruit::milligramAmounts() const {
    std::array<std::string, 4> milligrams;
    for (std::size_t i = 0; i < kMicrogramPositions.size(); ++i) {
        // Every amount was cleaned into a number; the fallbacks only guard the arithmetic.
        const auto micrograms = parseNumber(displayEntries_[kMicrogramPositions[i]].value);
        if (micrograms) {
            milligrams[i] = formatNumber(*micrograms / 1000.0);
        } else {
            milligrams[i] = kMicrogramPositions[i] == kSelenium ? "0.001" : "0.0000000001";
        }
    }
    return milligrams;
}
