#include "data/fruta.h"

#include "data/fruit_table.h"
#include "data/numbers.h"
#include "data/split_by_delimiter.h"

namespace {

const char* const kStandInAmount = "0.002";

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

bool IsBlank(const std::string& field) {
    for (const char c : field) {
        if (!IsBlankOrControl(c)) {
            return false;
        }
    }
    return true;
}

}  // namespace

EListError::EListError(std::size_t index)
    : std::out_of_range("List index out of bounds (" + std::to_string(index) + ")") {}

TFruta::TFruta(const std::string& line) {
    SplitByDelimiter(Fields, line, ";");
    for (std::size_t i = 1; i < Fields.size(); ++i) {
        const double amount = ParseNumber(Fields[i]).value_or(0.0);
        if (IsBlank(Fields[i]) || !(amount > 0.0)) {
            Fields[i] = kStandInAmount;
        }
    }
    if (Fields.size() < kFieldCount) {
        throw EListError(Fields.size());
    }
    for (std::size_t j = 0; j < kFieldCount; ++j) {
        TableEntries[j] = {Fields[j], kTableColumns[j].name, kTableColumns[j].unit};
    }
    for (std::size_t k = 0; k < kFieldCount; ++k) {
        DisplayEntries[k] = TableEntries[kDisplayToTableField[k]];
    }
    DisplayEntries[kDisplayName].value = DisplayNameOf(TableEntries[0].value);
}

std::array<std::string, 4> TFruta::ConvertMicrogramEntries() {
    std::array<std::string, 4> milligrams;
    for (std::size_t i = 0; i < kMicrogramPositions.size(); ++i) {
        NutrientEntry& entry = DisplayEntries[kMicrogramPositions[i]];
        const auto micrograms = ParseNumber(entry.value);
        if (micrograms) {
            milligrams[i] = FormatNumber(*micrograms / 1000.0);
        } else {
            milligrams[i] = kMicrogramPositions[i] == kSelenium ? "0.001" : "0.0000000001";
        }
        entry.unit = "mg";
    }
    return milligrams;
}
