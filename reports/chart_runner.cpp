#include "reports/chart_runner.h"

#include "data/app_folder.h"
#include "reports/read_app_file.h"

const ChartScriptFiles kReportChartFiles = {"jq.dat", "enh.dat", "exc.dat", "vis.dat", "exa.dat"};
const ChartScriptFiles kComparisonChartFiles = {"jq.dat", "enh.dat", "exc.dat", "vis.dat",
                                                "exacomp.dat"};

void RunChartScripts(ScriptTarget& view, const ChartScriptFiles& files, const std::string& folder) {
    for (const char* file : files) {
        view.RunScript(ReadFileInFolder(folder, file), "javascript");
    }
}

void RunReportCharts(ScriptTarget& wb) {
    RunChartScripts(wb, kReportChartFiles, AppFolder());
}

void RunComparisonCharts(ScriptTarget& wb2) {
    RunChartScripts(wb2, kComparisonChartFiles, AppFolder());
}
