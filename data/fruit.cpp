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
    : std::out_of_range("List index out of bounds (" + std::to_string(index) + ")") {}

Fruit::Fruit(const std::string& line) {
    splitByDelimiter(Fields, line, ";");
    for (std::size_t i = 1; i < Fields.size(); ++i) {
        const double amount = parseNumber(Fields[i]).value_or(0.0);
        if (isBlank(Fields[i]) || !(amount > 0.0)) {
            Fields[i] = kStandInAmount;
        }
    }
    if (Fields.size() < kFieldCount) {
        throw ListIndexError(Fields.size());
    }
    for (std::size_t j = 0; j < kFieldCount; ++j) {
        TableEntries[j] = {Fields[j], kTableColumns[j].name, kTableColumns[j].unit};
    }
    for (std::size_t k = 0; k < kFieldCount; ++k) {
        DisplayEntries[k] = TableEntries[kDisplayToTableField[k]];
    }
    DisplayEntries[kDisplayName].value = displayNameOf(TableEntries[0].value);
}

std::array<std::string, 4> Fruit::convertMicrogramEntries() {
    std::array<std::string, 4> milligrams;
    for (std::size_t i = 0; i < kMicrogramPositions.size(); ++i) {
        NutrientEntry& entry = DisplayEntries[kMicrogramPositions[i]];
        const auto micrograms = parseNumber(entry.value);
        if (micrograms) {
            milligrams[i] = formatNumber(*micrograms / 1000.0);
        } else {
            milligrams[i] = kMicrogramPositions[i] == kSelenium ? "0.001" : "0.0000000001";
        }
        entry.unit = "mg";
    }
    return milligrams;
}
