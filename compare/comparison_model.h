#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "compare/comparison_set.h"
#include "compare/comparison_state.h"
#include "data/amount_basis.h"
#include "data/daily_values.h"
#include "data/household_measures.h"
#include "reports/amounts_on_basis.h"

// The rules behind the main window: the fruit list, the fruits being compared and the one chosen in
// the drop-down, and what each action of the user changes. Every action either completes or, when
// an error escapes it (a table line that is no fruit), leaves the state as it was.
class ComparisonModel {
  public:
    // The fruit table's lines, the last one closing the table. The language is that of the table,
    // its names, pages and captions; the list shows the fruits in that language's order
    // (fruitListOrder), the first entry selected. In English the label keeps its laid-out text
    // until the user selects a fruit; in Spanish it names the selected fruit from the start.
    explicit ComparisonModel(std::vector<std::string> fruitLines = {},
                             Language language = Language::English);

    // The table line of a list entry, and the entry of a table line (-1 when there is none).
    std::size_t tableLineOf(int row) const;
    int rowOf(std::size_t tableLine) const;

    Language language() const { return language_; }
    const ComparisonState& state() const { return state_; }
    const std::vector<std::string>& fruitLines() const { return fruitLines_; }
    const ComparisonSet& comparedFruits() const { return compared_; }

    // The user types in the find field: the list keeps, in its order, only the fruits whose names
    // hold the text, case and accents aside (nameContains); an empty text brings them all back.
    // The selected fruit stays selected while it is listed; otherwise the first entry is
    // selected and the label names it, or nothing is when no name holds the text.
    ComparisonChange findFruits(const std::string& typed);

    // The user selects an entry of the fruit list: the label shows its name, nothing else changes.
    ComparisonChange selectFruit(int row);
    // "Add to comparison >>": refused at nine fruits, ignored for a fruit compared already;
    // otherwise the fruit goes last, is chosen, and its report and the comparison are rebuilt.
    ComparisonChange addSelectedFruit();
    // "Remove from comparison": the chosen fruit goes, the last one left is chosen.
    ComparisonChange removeChosenFruit();
    // The user picks an item of the drop-down: that fruit's report.
    ComparisonChange chooseComparedFruit(int index);
    // The chosen fruit's report again, with the caption left as it is.
    ComparisonChange refreshFruitReport();

    static const char* const kLimitMessage;

    // The amounts the pages show: the fruits' household measures (none until set), the basis and
    // standard (100 g without percentages at first) and each fruit's chosen portion (its usual
    // one, the first measure, until the user picks another).
    void setMeasures(MeasureTable measures) { measures_ = std::move(measures); }
    // The measures of a table line; none for a fruit without or a line outside the table.
    const std::vector<HouseholdMeasure>& measuresOf(std::size_t tableLine) const;
    Basis basis() const { return basis_; }
    DailyValueStandard standard() const { return standard_; }
    std::size_t portionOf(std::size_t tableLine) const;
    // Both pages are written again on the new basis and standard.
    ComparisonChange setAmounts(Basis basis, DailyValueStandard standard);
    // A fruit's portion (0 to its number of measures - 1; throws std::out_of_range past them); its
    // pages are written again when they show it per portion.
    ComparisonChange choosePortion(std::size_t tableLine, std::size_t portion);
    // The amounts of a table line on the chosen basis, in the model's language.
    AmountsOnBasis amountsOf(std::size_t tableLine) const;
    // The table line of the fruit chosen in the drop-down.
    std::optional<std::size_t> chosenTableLine() const;

  private:
    void fillChosenFromSet();
    bool writeChosenFruitReport();
    void captionChosenFruit();
    void writeComparison();

    std::vector<std::string> fruitLines_;
    Language language_;
    std::vector<std::size_t> listOrder_;       // every fruit's table line, in the list's order
    std::vector<std::string> listNames_;       // the display names, in table order
    std::vector<std::size_t> tableLineOfRow_;  // entry r of the list shows this table line
    ComparisonSet compared_;
    ComparisonState state_;
    MeasureTable measures_;
    Basis basis_ = Basis::Per100g;
    DailyValueStandard standard_ = DailyValueStandard::None;
    std::map<std::size_t, std::size_t> portions_;  // table line -> measure, when not the usual
};
