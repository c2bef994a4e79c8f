#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// What the main window shows of the fruit list and the comparison. All texts are Windows-1252.
struct ComparisonState {
    // The fruit list's names in the list's order, and its selected entry (-1 with no entries).
    std::vector<std::string> fruitNames;
    int selectedRow = -1;
    // The current fruit's label: empty until the user first selects a fruit, when the label keeps
    // the text it was laid out with.
    std::optional<std::string> fruitLabel;
    // The compared fruits' table lines in the order added; the drop-down shows their names, and
    // its current item is chosenIndex (-1 for none).
    std::vector<std::size_t> comparedLines;
    std::vector<std::string> comparedNames;
    int chosenIndex = -1;
    // The single-fruit tab's caption, and whether the comparison tab is among the visible tabs.
    std::string reportCaption = "Report";
    bool comparisonTabShown = false;
    // The lines of the last single-fruit report and of the last comparison report.
    std::vector<std::string> fruitReport;
    std::vector<std::string> comparisonReport;
};

// What an action asks of the window besides showing the state.
struct ComparisonChange {
    bool limitReached = false;        // show the limit message; nothing else changed
    bool fruitReportChanged = false;  // load fruitReport into the single-fruit view
    bool comparisonChanged = false;   // load comparisonReport into the comparison view
};
