// The chart scripts beside the program, run in a report view after every page it has finished.
// A script file that cannot be read stops the sequence for that page; its error goes to the
// application's error box, and the next page tries again.
#include "app/form1.h"
#include "app/view_script_target.h"
#include "reports/chart_runner.h"

void TForm1::wbDocumentComplete() {
    TViewScriptTarget view(*wb);
    RunReportCharts(view);
}

void TForm1::wb2DocumentComplete() {
    TViewScriptTarget view(*wb2);
    RunComparisonCharts(view);
}

void TForm1::Button2Click() {
    TViewScriptTarget view(*wb);
    RunReportCharts(view);
}

void TForm1::Button6Click() {
    TViewScriptTarget view(*wb2);
    RunComparisonCharts(view);
}
