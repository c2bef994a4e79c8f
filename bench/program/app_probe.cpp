// Runs the program as its entry point does (web engine set-up, application object, main window,
// about box, main window shown), then adds nine fruits with the real button, and prints
// milestones and memory on standard output for quorvel-bench.
#include <unistd.h>

#include <QEventLoop>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/about_box/about_box.h"
#include "app/main_window/main_window.h"
#include "app/startup/application.h"
#include "app/startup/chart_warm_up.h"
#include "app/startup/program_windows.h"
#include "bench/program/bench_clock.h"
#include "bench/program/chart_watch.h"
#include "bench/program/process_memory.h"
#include "compare/comparison_state.h"
#include "data/fruit.h"
#include "data/fruit_table.h"
#include "htmlview/html_view.h"
#include "htmlview/web_engine_setup.h"
#include "reports/chart_runner.h"
#include "reports/read_app_file.h"
#include "reports/single_fruit_report.h"

namespace {

constexpr int kTimeoutMs = 120000;

// Runs the event loop until the condition holds; false when it did not within the time.
bool runUntil(const std::function<bool()>& condition) {
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (condition()) {
            loop.quit();
        }
    });
    QTimer::singleShot(kTimeoutMs, &loop, &QEventLoop::quit);
    poll.start();
    if (!condition()) {
        loop.exec();
    }
    return condition();
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "quorvel-bench-app: %s did not happen in time\n", what);
    std::fflush(stderr);
    _exit(3);
}

// Wraps QuorvelCharts.drawCharts of "vis.dat" to add up the time spent drawing and the charts.
const char* const kTimeChartDrawing =
    "(function (QC) {"
    "  window.qvChartMs = 0; window.qvCharts = 0;"
    "  if (!QC || typeof QC.drawCharts !== 'function') return;"
    "  var draw = QC.drawCharts;"
    "  QC.drawCharts = function (models, optionsOf) {"
    "    var t0 = performance.now(); var drawn = draw(models, optionsOf);"
    "    window.qvChartMs += performance.now() - t0; window.qvCharts += drawn; return drawn; };"
    "})(window.QuorvelCharts);";

// Where a report page's time goes once loaded: each chart script's read and run, measured in a
// view of the probe's own on a fresh single-fruit page (the page's clock, so only the run).
void timeChartScripts() {
    HtmlView view;
    view.resize(760, 600);
    view.show();
    std::vector<std::string> table;
    loadFruitTable(table);
    std::vector<std::string> page;
    page = singleFruitReportLines(Fruit(table.at(0)));
    bool loaded = false;
    QObject::connect(&view, &HtmlView::documentComplete, [&] { loaded = true; });
    view.loadHtmlLines(page);
    if (!runUntil([&] { return loaded; })) {
        fail("the timing page");
    }
    view.runScript("window.qvTimes = [];", "javascript");
    for (const char* file : kReportChartFiles) {
        const double before = sinceStart();
        const std::string text = readAppFile(file);
        printFigure(QStringLiteral("script.read.%1").arg(QLatin1String(file)),
                    sinceStart() - before);
        view.runScript("window.qvT0 = performance.now();", "javascript");
        view.runScript(text, "javascript");
        view.runScript("window.qvTimes.push(performance.now() - window.qvT0);", "javascript");
        if (std::string(file) == "vis.dat") {
            view.runScript(kTimeChartDrawing, "javascript");
        }
    }
    view.runScript("window.qvTimes.push(window.qvChartMs, window.qvCharts);", "javascript");
    QString times;
    view.page()->runJavaScript(QStringLiteral("window.qvTimes.join(' ')"),
                               [&](const QVariant& value) { times = value.toString(); });
    if (!runUntil([&] { return !times.isEmpty(); })) {
        fail("the script times");
    }
    const QStringList each = times.split(QLatin1Char(' '));
    const auto count = static_cast<int>(kReportChartFiles.size());
    for (int i = 0; i < count; ++i) {
        printFigure(QStringLiteral("script.run.%1").arg(QLatin1String(kReportChartFiles[i])),
                    each.value(i).toDouble());
    }
    // How much of the drawing is one chart (reading its table, its SVG text, the page taking it).
    const double charts = each.value(count + 1).toDouble();
    if (charts > 0) {
        printFigure(QStringLiteral("script.chart.each"), each.value(count).toDouble() / charts);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    printFigure(QStringLiteral("mark.main"), sinceStart());
    prepareWebEngine();
    Application application(argc, argv);
    printFigure(QStringLiteral("mark.application"), sinceStart());
    // As the program: the charts drawn once out of sight after the first page.
    // QUORVEL_BENCH_NO_WARMUP=1 leaves that out, to see what it is worth.
    const bool warmUp = qEnvironmentVariableIntValue("QUORVEL_BENCH_NO_WARMUP") != 1;
    ProgramWindows windows(warmUp);
    printFigure(QStringLiteral("mark.windows"), sinceStart());
    MainWindow* form1 = &windows.mainWindow();
    ChartWarmUp& chartWarmUp = windows.chartWarmUp();
    bool likePageDone = false;
    QObject::connect(windows.aboutBox().likeView, &HtmlView::documentComplete,
                     [&] { likePageDone = true; });

    ChartWatch report(form1->fruitReportView);
    ChartWatch comparison(form1->comparisonView);
    report.expect(QStringLiteral("0"));
    windows.show();
    printFigure(QStringLiteral("mark.shown"), sinceStart());

    // 1. Start until the placeholder page has its chart scripts run.
    if (!runUntil([&] { return report.done(); })) {
        fail("the placeholder page's charts");
    }
    printFigure(QStringLiteral("mark.placeholder.loadFinished"), report.loadFinishedAt());
    printFigure(QStringLiteral("mark.placeholder.handled"), report.completedAt());
    printFigure(QStringLiteral("start"), report.markedAt());
    if (!runUntil([&] { return likePageDone; })) {
        fail("the like page");
    }
    printFigure(QStringLiteral("mark.likepage"), sinceStart());
    // The user's first click comes once the program has settled: the warm-up done.
    if (warmUp) {
        if (!runUntil([&] { return chartWarmUp.finished(); })) {
            fail("the chart warm-up");
        }
        printFigure(QStringLiteral("mark.warmup"), sinceStart());
        std::printf("# warm-up: %d charts drawn out of sight\n", chartWarmUp.charts());
    }
    std::printf("# helpers at start: %s\n", qPrintable(helperKinds(getpid())));
    std::printf("# a minor page fault costs %.2f us on this machine\n", freshPageMicroseconds());
    printFigure(QStringLiteral("memory.start"), treePssMiB(getpid()));

    // 2. "Add to comparison >>" until the single-fruit page shows its charts; then the next
    // fruits, each waited for, and the ninth until the comparison page shows its ten.
    for (int row = 0; row < 9; ++row) {
        form1->fruitList->setCurrentRow(row * 7);
        report.expect(QStringLiteral("5"));
        if (row >= 1) {
            comparison.expect(QStringLiteral("10"));
        }
        const bool countFaults = row == 0 || row == 8;
        const QMap<pid_t, qint64> faultsBefore =
            countFaults ? minorFaults(getpid()) : QMap<pid_t, qint64>();
        const double pressed = sinceStart();
        form1->addButton->click();
        if (!runUntil([&] { return report.done() && (row == 0 || comparison.done()); })) {
            fail("a fruit's charts");
        }
        std::printf("# fruit %d: render process of wb %lld, of wb2 %lld\n", row + 1,
                    form1->fruitReportView->page()->renderProcessPid(),
                    form1->comparisonView->page()->renderProcessPid());
        if (row == 1) {
            printFigure(QStringLiteral("second.comparison"), comparison.doneAt() - pressed);
        }
        if (countFaults) {
            // Fresh memory is dear on some machines: each first touch of a page is a fault.
            std::printf("# minor page faults during the %s add: %s\n", row == 0 ? "first" : "ninth",
                        qPrintable(faultsSince(getpid(), faultsBefore)));
        }
        if (row == 0) {
            printFigure(QStringLiteral("add.loadFinished"), report.loadFinishedAt() - pressed);
            printFigure(QStringLiteral("add.handled"), report.completedAt() - pressed);
            printFigure(QStringLiteral("add.marked"), report.markedAt() - pressed);
            printFigure(QStringLiteral("add"), report.doneAt() - pressed);
        } else if (row == 8) {
            printFigure(QStringLiteral("ninth.loadFinished"),
                        comparison.loadFinishedAt() - pressed);
            printFigure(QStringLiteral("ninth.handled"), comparison.completedAt() - pressed);
            printFigure(QStringLiteral("ninth.marked"), comparison.markedAt() - pressed);
            printFigure(QStringLiteral("ninth"), comparison.doneAt() - pressed);
            printFigure(QStringLiteral("ninth.single"), report.doneAt() - pressed);
        }
    }
    std::printf("# memory with nine fruits as the last chart is drawn: %.0f MiB\n",
                treePssMiB(getpid()));
    settle();
    std::printf("# helpers with nine fruits: %s\n", qPrintable(helperKinds(getpid())));
    // The part of each page that the charts in view are measured against.
    QString viewports;
    const QString viewport = QStringLiteral(
        "window.innerWidth + 'x' + window.innerHeight + (document.hidden ? ' hidden' : ' shown')");
    form1->fruitReportView->page()->runJavaScript(viewport, [&](const QVariant& v) {
        viewports += QStringLiteral("wb ") + v.toString() + QStringLiteral("; ");
    });
    form1->comparisonView->page()->runJavaScript(viewport, [&](const QVariant& v) {
        viewports += QStringLiteral("wb2 ") + v.toString() + QStringLiteral("; ");
    });
    if (!runUntil([&] { return viewports.count(QLatin1Char(';')) == 2; })) {
        fail("the viewports");
    }
    std::printf("# viewports: %s\n", qPrintable(viewports));
    // What the memory with nine fruits is made of: by process and kind of mapping, and per page
    // the canvases' pixels and the JavaScript heap (one heap for all pages of the process).
    std::printf("# memory by mapping (MiB): %s\n", qPrintable(pssByMapping(getpid())));
    QString pages;
    const QString pageMemory = QStringLiteral(
        "(function () { var px = 0, n = 0;"
        "  Array.prototype.forEach.call(document.querySelectorAll('canvas'), function (c) {"
        "    px += c.width * c.height; n += 1; });"
        "  var m = performance.memory || {};"
        "  return n + ' canvases ' + (px * 4 / 1048576).toFixed(1) + ' MiB, JS heap used ' +"
        "    ((m.usedJSHeapSize || 0) / 1048576).toFixed(0) + ' of ' +"
        "    ((m.totalJSHeapSize || 0) / 1048576).toFixed(0) + ' MiB'; })()");
    int asked = 0;
    for (HtmlView* view :
         {form1->fruitReportView, form1->comparisonView, windows.aboutBox().likeView}) {
        const QString name = view->objectName();
        view->page()->runJavaScript(pageMemory, [&pages, &asked, name](const QVariant& v) {
            pages += name + QStringLiteral(": ") + v.toString() + QStringLiteral("; ");
            ++asked;
        });
    }
    if (!runUntil([&] { return asked == 3; })) {
        fail("the pages' memory");
    }
    std::printf("# pages with nine fruits: %s\n", qPrintable(pages));
    printFigure(QStringLiteral("memory.nine"), treePssMiB(getpid()));

    // 3c. The ninth fruit once more, added while the comparison tab is the one shown: the
    // chosen fruit taken out, the tab shown, the fruit added back.
    const ComparisonState& state = form1->model().state();
    const int ninthRow = form1->model().rowOf(
        state.comparedLines.at(static_cast<std::size_t>(std::max(0, state.chosenIndex))));
    report.expect(QStringLiteral("5"));
    comparison.expect(QStringLiteral("10"));
    form1->removeButton->click();
    if (!runUntil([&] { return report.done() && comparison.done(); })) {
        fail("the comparison of eight");
    }
    form1->reportTabs->setCurrentWidget(form1->comparisonTab);
    form1->fruitList->setCurrentRow(ninthRow);
    settle();
    report.expect(QStringLiteral("5"));
    comparison.expect(QStringLiteral("10"));
    const double pressedShown = sinceStart();
    form1->addButton->click();
    if (!runUntil([&] { return report.done() && comparison.done(); })) {
        fail("the comparison shown");
    }
    printFigure(QStringLiteral("ninth.shown"), comparison.doneAt() - pressedShown);

    timeChartScripts();
    return 0;
}
