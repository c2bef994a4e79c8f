// Runs the program as its entry point does (web engine set-up, application object, main window,
// about box, main window shown), then adds nine fruits with the real button, and prints
// milestones and memory on standard output for quorvel-bench.
#include <unistd.h>

#include <QEventLoop>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStringList>
#include <QStyle>
#include <QTimer>
#include <QVariant>
#include <QWebEnginePage>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/about.h"
#include "app/application.h"
#include "app/chart_warm_up.h"
#include "app/form1.h"
#include "bench/program/bench_clock.h"
#include "bench/program/chart_watch.h"
#include "bench/program/process_memory.h"
#include "data/fruit_table.h"
#include "data/fruta.h"
#include "htmlview/embedded_wb.h"
#include "htmlview/web_engine_setup.h"
#include "reports/chart_runner.h"
#include "reports/read_app_file.h"

namespace {

constexpr int kTimeoutMs = 120000;

// As the program shows its main window.
void ShowCentred(QWidget& window) {
    if (const QScreen* screen = window.screen()) {
        window.setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, window.size(),
                                               screen->availableGeometry()));
    }
    window.show();
}

// Runs the event loop until the condition holds; false when it did not within the time.
bool RunUntil(const std::function<bool()>& condition) {
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

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "quorvel-bench-app: %s did not happen in time\n", what);
    std::fflush(stderr);
    _exit(3);
}

// Wraps the Chart constructor of Chart.js to add up the time spent in it.
const char* const kTimeChartConstructors =
    "(function () {"
    "  var C = window.Chart; window.qvChartMs = 0; window.qvCharts = 0;"
    "  if (typeof C !== 'function') return;"
    "  var Timed = function (item, config) {"
    "    var t0 = performance.now(); var chart = new C(item, config);"
    "    window.qvChartMs += performance.now() - t0; window.qvCharts += 1; return chart; };"
    "  Timed.prototype = C.prototype; Object.setPrototypeOf(Timed, C); window.Chart = Timed;"
    "})();";

// Where a report page's time goes once loaded: each chart script's read and run, measured in a
// view of the probe's own on a fresh single-fruit page (the page's clock, so only the run).
void TimeChartScripts() {
    TEmbeddedWB view;
    view.resize(760, 600);
    view.show();
    std::vector<std::string> table;
    LoadFruitTable(table);
    std::vector<std::string> page;
    TFruta(table.at(0)).WriteReport(page);
    bool loaded = false;
    QObject::connect(&view, &TEmbeddedWB::OnDocumentComplete, [&] { loaded = true; });
    view.LoadHtmlLines(page);
    if (!RunUntil([&] { return loaded; })) {
        Fail("the timing page");
    }
    view.RunScript("window.qvTimes = [];", "javascript");
    for (const char* file : kReportChartFiles) {
        const double before = SinceStart();
        const std::string text = ReadAppFile(file);
        Report(QStringLiteral("script.read.%1").arg(QLatin1String(file)), SinceStart() - before);
        view.RunScript("window.qvT0 = performance.now();", "javascript");
        view.RunScript(text, "javascript");
        view.RunScript("window.qvTimes.push(performance.now() - window.qvT0);", "javascript");
        if (std::string(file) == "jq.dat") {
            view.RunScript(kTimeChartConstructors, "javascript");
        }
    }
    view.RunScript("window.qvTimes.push(window.qvChartMs, window.qvCharts);", "javascript");
    QString times;
    view.page()->runJavaScript(QStringLiteral("window.qvTimes.join(' ')"),
                               [&](const QVariant& value) { times = value.toString(); });
    if (!RunUntil([&] { return !times.isEmpty(); })) {
        Fail("the script times");
    }
    const QStringList each = times.split(QLatin1Char(' '));
    const auto count = static_cast<int>(kReportChartFiles.size());
    for (int i = 0; i < count; ++i) {
        Report(QStringLiteral("script.run.%1").arg(QLatin1String(kReportChartFiles[i])),
               each.value(i).toDouble());
    }
    // How much of the drawing is Chart.js building each chart (options, layout, first draw).
    const double charts = each.value(count + 1).toDouble();
    if (charts > 0) {
        Report(QStringLiteral("script.chart.each"), each.value(count).toDouble() / charts);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    Report(QStringLiteral("mark.main"), SinceStart());
    PrepareWebEngine();
    TApplication application(argc, argv);
    Report(QStringLiteral("mark.application"), SinceStart());
    auto form1 = std::make_unique<TForm1>();
    Report(QStringLiteral("mark.form1"), SinceStart());
    // QUORVEL_BENCH_LATE_ABOUT=1 tries a different start-up: the about box (and its view's
    // page) made only once the placeholder page has its charts.
    const bool lateAbout = qEnvironmentVariableIntValue("QUORVEL_BENCH_LATE_ABOUT") == 1;
    std::unique_ptr<TAbout> about;
    bool likePageDone = false;
    const auto makeAbout = [&] {
        about = std::make_unique<TAbout>();
        form1->SetAbout(about.get());
        QObject::connect(about->wb3, &TEmbeddedWB::OnDocumentComplete,
                         [&] { likePageDone = true; });
        Report(QStringLiteral("mark.about"), SinceStart());
    };
    if (!lateAbout) {
        makeAbout();
    }

    // As the program: the charts drawn once out of sight after the first page.
    // QUORVEL_BENCH_NO_WARMUP=1 leaves that out, to see what it is worth.
    const bool warmUp = qEnvironmentVariableIntValue("QUORVEL_BENCH_NO_WARMUP") != 1;
    TChartWarmUp chartWarmUp;
    if (warmUp) {
        chartWarmUp.StartAfterFirstPage(*form1->wb);
    }

    ChartWatch report(form1->wb);
    ChartWatch comparison(form1->wb2);
    report.Expect(QStringLiteral("0"));
    ShowCentred(*form1);
    Report(QStringLiteral("mark.shown"), SinceStart());

    // 1. Start until the placeholder page has its chart scripts run.
    if (!RunUntil([&] { return report.Done(); })) {
        Fail("the placeholder page's charts");
    }
    Report(QStringLiteral("mark.placeholder.loadFinished"), report.LoadFinishedAt());
    Report(QStringLiteral("mark.placeholder.handled"), report.CompletedAt());
    Report(QStringLiteral("start"), report.DoneAt());
    if (lateAbout) {
        makeAbout();
    }
    if (!RunUntil([&] { return likePageDone; })) {
        Fail("the like page");
    }
    Report(QStringLiteral("mark.likepage"), SinceStart());
    // The user's first click comes once the program has settled: the warm-up done.
    if (warmUp) {
        if (!RunUntil([&] { return chartWarmUp.Finished(); })) {
            Fail("the chart warm-up");
        }
        Report(QStringLiteral("mark.warmup"), SinceStart());
        std::printf("# warm-up: %d charts drawn out of sight\n", chartWarmUp.Charts());
    }
    std::printf("# helpers at start: %s\n", qPrintable(HelperKinds(getpid())));
    Report(QStringLiteral("memory.start"), TreePssMiB(getpid()));

    // 2. "Add to comparison >>" until the single-fruit page shows its charts; then the next
    // fruits, each waited for, and the ninth until the comparison page shows its ten.
    for (int row = 0; row < 9; ++row) {
        form1->listafrutas->setCurrentRow(row * 7);
        report.Expect(QStringLiteral("5"));
        if (row >= 1) {
            comparison.Expect(QStringLiteral("10"));
        }
        const double pressed = SinceStart();
        form1->Button4->click();
        if (!RunUntil([&] { return report.Done() && (row == 0 || comparison.Done()); })) {
            Fail("a fruit's charts");
        }
        std::printf("# fruit %d: render process of wb %lld, of wb2 %lld\n", row + 1,
                    form1->wb->page()->renderProcessPid(), form1->wb2->page()->renderProcessPid());
        if (row == 1) {
            Report(QStringLiteral("second.comparison"), comparison.DoneAt() - pressed);
        }
        if (row == 0) {
            Report(QStringLiteral("add.loadFinished"), report.LoadFinishedAt() - pressed);
            Report(QStringLiteral("add.handled"), report.CompletedAt() - pressed);
            Report(QStringLiteral("add"), report.DoneAt() - pressed);
        } else if (row == 8) {
            Report(QStringLiteral("ninth.loadFinished"), comparison.LoadFinishedAt() - pressed);
            Report(QStringLiteral("ninth.handled"), comparison.CompletedAt() - pressed);
            Report(QStringLiteral("ninth"), comparison.DoneAt() - pressed);
            Report(QStringLiteral("ninth.single"), report.DoneAt() - pressed);
        }
    }
    std::printf("# helpers with nine fruits: %s\n", qPrintable(HelperKinds(getpid())));
    Report(QStringLiteral("memory.nine"), TreePssMiB(getpid()));

    TimeChartScripts();
    about.reset();
    form1.reset();
    return 0;
}
