#include "compare/comparison_model.h"

#include <algorithm>
#include <utility>

#include "data/fruit_table.h"
#include "data/name_folding.h"
#include "reports/comparison_report.h"
#include "reports/single_fruit_report.h"

const char* const ComparisonModel::kLimitMessage = ComparisonSet::kLimitMessage;

ComparisonModel::ComparisonModel(std::vector<std::string> fruitLines, Language language)
    : fruitLines_(std::move(fruitLines)), language_(language) {
    listNames_ = fruitListNames(fruitLines_, language_);
    listOrder_ = fruitListOrder(listNames_, language_);
    tableLineOfRow_ = listOrder_;
    for (const std::size_t line : tableLineOfRow_) {
        state_.fruitNames.push_back(listNames_[line]);
    }
    if (language_ == Language::Spanish) {
        state_.reportCaption = "Informe";
    }
    // The first entry is selected from the start. The English label keeps its laid-out text until
    // the user selects one; that text names the first fruit of the English list only, so the
    // Spanish label names the selected fruit at once.
    state_.selectedRow = state_.fruitNames.empty() ? -1 : 0;
    if (language_ == Language::Spanish && !state_.fruitNames.empty()) {
        state_.fruitLabel = state_.fruitNames.front();
    }
}

std::size_t ComparisonModel::tableLineOf(int row) const {
    return tableLineOfRow_.at(static_cast<std::size_t>(row));
}

int ComparisonModel::rowOf(std::size_t tableLine) const {
    const auto found = std::find(tableLineOfRow_.begin(), tableLineOfRow_.end(), tableLine);
    return found == tableLineOfRow_.end() ? -1 : static_cast<int>(found - tableLineOfRow_.begin());
}

ComparisonChange ComparisonModel::findFruits(const std::string& typed) {
    const int selected = state_.selectedRow;
    const std::size_t selectedLine =
        selected >= 0 ? tableLineOfRow_[static_cast<std::size_t>(selected)] : listOrder_.size();
    tableLineOfRow_.clear();
    state_.fruitNames.clear();
    for (const std::size_t line : listOrder_) {
        if (nameContains(listNames_[line], typed)) {
            tableLineOfRow_.push_back(line);
            state_.fruitNames.push_back(listNames_[line]);
        }
    }
    const int row = rowOf(selectedLine);
    if (row >= 0) {
        state_.selectedRow = row;
    } else if (!state_.fruitNames.empty()) {
        state_.selectedRow = 0;
        state_.fruitLabel = state_.fruitNames.front();
    } else {
        state_.selectedRow = -1;
    }
    return {};
}

ComparisonChange ComparisonModel::selectFruit(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= state_.fruitNames.size()) {
        return {};
    }
    state_.selectedRow = row;
    state_.fruitLabel = state_.fruitNames[static_cast<std::size_t>(row)];
    return {};
}

ComparisonChange ComparisonModel::addSelectedFruit() {
    if (compared_.count() >= ComparisonSet::kLimit) {
        return {true, false, false};
    }
    const int row = state_.selectedRow;
    if (row < 0 || static_cast<std::size_t>(row) >= state_.fruitNames.size()) {
        return {};
    }
    const std::size_t line = tableLineOf(row);
    if (compared_.contains(line)) {
        return {};  // compared already: nothing changes, nothing is rebuilt
    }
    // A line that is no fruit throws here, before anything has changed.
    compared_.append(line, fruitLines_[line], language_);
    fillChosenFromSet();
    ComparisonChange change;
    change.fruitReportChanged = writeChosenFruitReport();
    captionChosenFruit();
    if (compared_.count() >= 2) {
        state_.comparisonTabShown = true;
        writeComparison();
        change.comparisonChanged = true;
    }
    return change;
}

ComparisonChange ComparisonModel::removeChosenFruit() {
    ComparisonChange change;
    if (!state_.comparedLines.empty() && state_.chosenIndex >= 0) {
        compared_.remove(state_.comparedLines[static_cast<std::size_t>(state_.chosenIndex)]);
        fillChosenFromSet();
        if (!state_.comparedLines.empty()) {
            change.fruitReportChanged = writeChosenFruitReport();
            captionChosenFruit();
        }
    }
    if (compared_.count() >= 2) {
        writeComparison();
        change.comparisonChanged = true;
    } else {
        state_.comparisonTabShown = false;
    }
    return change;
}

ComparisonChange ComparisonModel::chooseComparedFruit(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= state_.comparedLines.size()) {
        return {};
    }
    state_.chosenIndex = index;
    ComparisonChange change;
    change.fruitReportChanged = writeChosenFruitReport();
    captionChosenFruit();
    return change;
}

ComparisonChange ComparisonModel::refreshFruitReport() {
    ComparisonChange change;
    change.fruitReportChanged = writeChosenFruitReport();
    return change;
}

void ComparisonModel::fillChosenFromSet() {
    state_.comparedLines = compared_.tableLines();
    state_.comparedNames = compared_.displayNames();
    state_.chosenIndex = static_cast<int>(state_.comparedLines.size()) - 1;
}

bool ComparisonModel::writeChosenFruitReport() {
    const auto line = chosenTableLine();
    if (!line) {
        return false;  // nothing chosen
    }
    state_.fruitReport =
        singleFruitReportLines(Fruit(fruitLines_[*line], language_), amountsOf(*line));
    return true;
}

std::optional<std::size_t> ComparisonModel::chosenTableLine() const {
    if (state_.chosenIndex < 0) {
        return std::nullopt;
    }
    return state_.comparedLines[static_cast<std::size_t>(state_.chosenIndex)];
}

const std::vector<HouseholdMeasure>& ComparisonModel::measuresOf(std::size_t tableLine) const {
    static const std::vector<HouseholdMeasure> kNone;
    return tableLine < measures_.size() ? measures_[tableLine] : kNone;
}

std::size_t ComparisonModel::portionOf(std::size_t tableLine) const {
    const auto chosen = portions_.find(tableLine);
    return chosen == portions_.end() ? 0 : chosen->second;
}

AmountsOnBasis ComparisonModel::amountsOf(std::size_t tableLine) const {
    return amountsOnBasis(fruitLines_.at(tableLine), measuresOf(tableLine), basis_,
                          portionOf(tableLine), standard_, language_);
}

ComparisonChange ComparisonModel::setAmounts(Basis basis, DailyValueStandard standard) {
    basis_ = basis;
    standard_ = standard;
    ComparisonChange change;
    change.fruitReportChanged = writeChosenFruitReport();
    if (compared_.count() >= 2) {
        writeComparison();
        change.comparisonChanged = true;
    }
    return change;
}

ComparisonChange ComparisonModel::choosePortion(std::size_t tableLine, std::size_t portion) {
    if (portion >= measuresOf(tableLine).size()) {
        throw std::out_of_range("No portion " + std::to_string(portion + 1) + " of that fruit");
    }
    portions_[tableLine] = portion;
    if (basis_ != Basis::PerPortion) {
        return {};  // kept for when the pages are per portion
    }
    if (!compared_.contains(tableLine)) {
        return {};
    }
    return setAmounts(basis_, standard_);
}

void ComparisonModel::captionChosenFruit() {
    const std::string& name = state_.comparedNames[static_cast<std::size_t>(state_.chosenIndex)];
    state_.reportCaption = language_ == Language::Spanish ? "Informe: " + name : name + " Report";
}

void ComparisonModel::writeComparison() {
    std::vector<AmountsOnBasis> amounts;
    for (const std::size_t line : compared_.tableLines()) {
        amounts.push_back(amountsOf(line));
    }
    state_.comparisonReport = comparisonReportLines(compared_.fruits(), amounts);
}
