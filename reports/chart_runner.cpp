#include "reports/chart_runner.h"

#include "data/app_folder.h"
#include "reports/read_app_file.h"

const ChartScriptFiles kReportChartFiles = {"jq.dat", "enh.dat", "exc.dat", "vis.dat", "exa.dat"};
const ChartScriptFiles kComparisonChartFiles = {"jq.dat", "enh.dat", "exc.dat", "vis.dat",
                                                "exacomp.dat"};
const ChartScriptFiles kRankingChartFiles = {"jq.dat", "enh.dat", "exc.dat", "vis.dat", "rank.dat"};

void runChartScripts(ScriptTarget& view, const ChartScriptFiles& files, const std::string& folder) {
    for (const char* file : files) {
        view.runScript(readFileInFolder(folder, file), "javascript");
    }
}

void runReportCharts(ScriptTarget& view) {
    runChartScripts(view, kReportChartFiles, appFolder());
}

void runComparisonCharts(ScriptTarget& comparisonView) {
    runChartScripts(comparisonView, kComparisonChartFiles, appFolder());
}

void runRankingCharts(ScriptTarget& view) {
    runChartScripts(view, kRankingChartFiles, appFolder());
}
