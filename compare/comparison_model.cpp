#include "compare/comparison_model.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>
#include <utility>

#include "data/fruit_table.h"
#include "reports/comparison_report.h"
#include "reports/single_fruit_report.h"

const char* const ComparisonModel::kLimitMessage = ComparisonSet::kLimitMessage;

ComparisonModel::ComparisonModel(std::vector<std::string> fruitLines, Language language)
    : fruitLines_(std::move(fruitLines)), language_(language) {
    state_.fruitNames = fruitListNames(fruitLines_, language_);
    tableLineOfRow_.resize(state_.fruitNames.size());
    std::iota(tableLineOfRow_.begin(), tableLineOfRow_.end(), std::size_t{0});
    if (language_ == Language::Spanish) {
        state_.reportCaption = "Informe";
    }
    // The first entry is selected from the start; the label keeps its own text until the user
    // selects one.
    state_.selectedRow = state_.fruitNames.empty() ? -1 : 0;
}

void ComparisonModel::orderList(const std::vector<std::size_t>& tableLineOfRow) {
    std::vector<std::size_t> sorted = tableLineOfRow;
    std::sort(sorted.begin(), sorted.end());
    std::vector<std::size_t> every(tableLineOfRow_.size());
    std::iota(every.begin(), every.end(), std::size_t{0});
    if (sorted != every) {
        throw std::invalid_argument("The fruit list's order must name each fruit line once");
    }
    const std::vector<std::string> names = fruitListNames(fruitLines_, language_);
    tableLineOfRow_ = tableLineOfRow;
    for (std::size_t row = 0; row < tableLineOfRow_.size(); ++row) {
        state_.fruitNames[row] = names[tableLineOfRow_[row]];
    }
    state_.selectedRow = state_.fruitNames.empty() ? -1 : 0;
}

std::size_t ComparisonModel::tableLineOf(int row) const {
    return tableLineOfRow_.at(static_cast<std::size_t>(row));
}

int ComparisonModel::rowOf(std::size_t tableLine) const {
    const auto found = std::find(tableLineOfRow_.begin(), tableLineOfRow_.end(), tableLine);
    return found == tableLineOfRow_.end() ? -1 : static_cast<int>(found - tableLineOfRow_.begin());
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
    const std::string name = state_.fruitNames[static_cast<std::size_t>(row)];
    if (compared_.contains(name)) {
        return {};  // compared already: nothing changes, nothing is rebuilt
    }
    // The table line by the list's position, not by the name. A line that is no fruit throws
    // here, before anything has changed.
    compared_.append(fruitLines_[tableLineOf(row)], language_);
    fillChosenFromSet();
    ComparisonChange change;
    change.fruitReportChanged = writeChosenFruitReport();
    setCaption(name);
    if (compared_.count() >= 2) {
        state_.comparisonTabShown = true;
        writeComparison();
        change.comparisonChanged = true;
    }
    return change;
}

ComparisonChange ComparisonModel::removeChosenFruit() {
    ComparisonChange change;
    if (!state_.comparedNames.empty() && state_.chosenIndex >= 0) {
        const std::string chosen =
            state_.comparedNames[static_cast<std::size_t>(state_.chosenIndex)];
        compared_.remove(chosen);
        fillChosenFromSet();
        if (!state_.comparedNames.empty()) {
            change.fruitReportChanged = writeChosenFruitReport();
            setCaption(state_.comparedNames[static_cast<std::size_t>(state_.chosenIndex)]);
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
    if (index < 0 || static_cast<std::size_t>(index) >= state_.comparedNames.size()) {
        return {};
    }
    state_.chosenIndex = index;
    ComparisonChange change;
    change.fruitReportChanged = writeChosenFruitReport();
    setCaption(state_.comparedNames[static_cast<std::size_t>(index)]);
    return change;
}

ComparisonChange ComparisonModel::refreshFruitReport() {
    ComparisonChange change;
    change.fruitReportChanged = writeChosenFruitReport();
    return change;
}

void ComparisonModel::fillChosenFromSet() {
    state_.comparedNames = compared_.displayNames();
    state_.chosenIndex = static_cast<int>(state_.comparedNames.size()) - 1;
}

bool ComparisonModel::writeChosenFruitReport() {
    // The chosen fruit is found in the list by its name, and its report is written from that
    // table line.
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
    const std::string& chosen = state_.comparedNames[static_cast<std::size_t>(state_.chosenIndex)];
    const auto found = std::find(state_.fruitNames.begin(), state_.fruitNames.end(), chosen);
    if (found == state_.fruitNames.end()) {
        return std::nullopt;
    }
    return tableLineOf(static_cast<int>(found - state_.fruitNames.begin()));
}

std::vector<std::size_t> ComparisonModel::comparedTableLines() const {
    std::vector<std::size_t> lines;
    for (const std::string& name : state_.comparedNames) {
        const auto found = std::find(state_.fruitNames.begin(), state_.fruitNames.end(), name);
        if (found != state_.fruitNames.end()) {
            lines.push_back(tableLineOf(static_cast<int>(found - state_.fruitNames.begin())));
        }
    }
    return lines;
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
    const std::vector<std::size_t> compared = comparedTableLines();
    if (std::find(compared.begin(), compared.end(), tableLine) == compared.end()) {
        return {};
    }
    return setAmounts(basis_, standard_);
}

void ComparisonModel::setCaption(const std::string& fruitName) {
    state_.reportCaption =
        language_ == Language::Spanish ? "Informe: " + fruitName : fruitName + " Report";
}

void ComparisonModel::writeComparison() {
    std::vector<AmountsOnBasis> amounts;
    for (const std::size_t line : comparedTableLines()) {
        amounts.push_back(amountsOf(line));
    }
    state_.comparisonReport = comparisonReportLines(compared_.fruits(), amounts);
}
