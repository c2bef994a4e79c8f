#pragma once

#include <array>
#include <string>

// Whatever can run script text inside the page it shows (the report views).
class ScriptTarget {
  public:
    virtual ~ScriptTarget() = default;
    virtual void runScript(const std::string& scriptText, const std::string& language) = 0;
};

// The chart scripts beside the program, in the order they run after a page has loaded.
using ChartScriptFiles = std::array<const char*, 5>;
extern const ChartScriptFiles kReportChartFiles;      // the single-fruit page
extern const ChartScriptFiles kComparisonChartFiles;  // the comparison page
extern const ChartScriptFiles kRankingChartFiles;     // the ranking of all fruits by one amount

// Reads each file afresh from folder and runs it, one after the other, so a later script can use
// what an earlier one defined. A file that cannot be read stops the sequence with its error.
void runChartScripts(ScriptTarget& view, const ChartScriptFiles& files, const std::string& folder);

// The same with the program's own folder.
void runReportCharts(ScriptTarget& view);
void runComparisonCharts(ScriptTarget& comparisonView);
void runRankingCharts(ScriptTarget& view);
