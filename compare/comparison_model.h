#pragma once

#include <string>
#include <vector>

#include "compare/comparison_set.h"
#include "compare/comparison_state.h"

// The rules behind the main window: the fruit list, the fruits being compared and the one chosen in
// the drop-down, and what each action of the user changes. Every action either completes or, when
// an error escapes it (a table line that is no fruit), leaves the state as it was.
class ComparisonModel {
  public:
    // The fruit table's lines; line i belongs to the list's entry i, the last line closes the
    // table.
    explicit ComparisonModel(std::vector<std::string> fruitLines = {});

    const ComparisonState& state() const { return state_; }
    const std::vector<std::string>& fruitLines() const { return fruitLines_; }
    const ComparisonSet& comparedFruits() const { return compared_; }

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

  private:
    void fillChosenFromSet();
    bool writeChosenFruitReport();
    void setCaption(const std::string& fruitName);
    void writeComparison();

    std::vector<std::string> fruitLines_;
    ComparisonSet compared_;
    ComparisonState state_;
};
