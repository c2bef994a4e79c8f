// The chart scripts beside the program, run in a report view after every page it has finished.
// A script file that cannot be read stops the sequence for that page; its error goes to the
// application's error box, and the next page tries again.
#include "app/main_window.h"
#include "app/view_script_target.h"
#include "reports/chart_runner.h"

void MainWindow::wbDocumentComplete() {
    ViewScriptTarget view(*fruitReportView);
    runReportCharts(view);
}

void MainWindow::wb2DocumentComplete() {
    ViewScriptTarget view(*comparisonView);
    runComparisonCharts(view);
}

void MainWindow::Button2Click() {
    ViewScriptTarget view(*fruitReportView);
    runReportCharts(view);
}

void MainWindow::Button6Click() {
    ViewScriptTarget view(*comparisonView);
    runComparisonCharts(view);
}
