// The floor: the same web engine with one bare view and nothing else of the program. It loads
// the placeholder page (start and memory), then the program's own report pages without any
// script (a single-fruit page, and the comparison page of nine fruits after one of eight), then
// the single-fruit page and the comparison together in two views, as a fruit added does.
// Then the second floor: a fresh bare view, the same pages again with the chart scripts run
// after each load as the program runs them, with the chart words set in each page as the
// program's views set them (after one small comparison that warms the engine up, as the
// program's warm-up does), to tell the program's share of a figure from the charts'.
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineView>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "bench/program/bench_clock.h"
#include "bench/program/chart_watch.h"
#include "bench/program/process_memory.h"
#include "data/app_folder.h"
#include "data/fruit.h"
#include "data/fruit_table.h"
#include "htmlview/web_engine_setup.h"
#include "htmlview/win1252.h"
#include "reports/chart_runner.h"
#include "reports/chart_words.h"
#include "reports/comparison_report.h"
#include "reports/placeholder_page.h"
#include "reports/read_app_file.h"
#include "reports/single_fruit_report.h"

namespace {

QByteArray pageText(const std::vector<std::string>& lines) {
    std::string joined;
    for (const std::string& line : lines) {
        joined += line;
        joined += "\r\n";
    }
    return fromWindows1252(joined).toUtf8();
}

// Hands the page to the view as the program's views do: text, UTF-8, the program folder as base.
void setPage(QWebEngineView& view, const QByteArray& page) {
    view.page()->setContent(page, QStringLiteral("text/html;charset=UTF-8"),
                            QUrl::fromLocalFile(QString::fromStdString(appFolder())));
}

// Loads the page as the program's views do and returns when it has finished; the time it took
// in ms.
double load(QWebEngineView& view, const QByteArray& page) {
    QEventLoop loop;
    const auto connection =
        QObject::connect(view.page(), &QWebEnginePage::loadFinished, &loop, &QEventLoop::quit);
    QTimer::singleShot(120000, &loop, [] {
        std::fprintf(stderr, "quorvel-bench-floor: a page did not load in time\n");
        _exit(3);
    });
    const double started = sinceStart();
    setPage(view, page);
    loop.exec();
    QObject::disconnect(connection);
    return sinceStart() - started;
}

// Loads two pages into two views of the one process in the same turn, as the program does when
// a fruit is added to a comparison: the first view's page handed over first. Returns when each
// view finished its page, in ms since the loads were started.
std::pair<double, double> loadPair(QWebEngineView& first, const QByteArray& firstPage,
                                   QWebEngineView& second, const QByteArray& secondPage) {
    QEventLoop loop;
    double firstAt = -1;
    double secondAt = -1;
    const double started = sinceStart();
    const auto noteFirst =
        QObject::connect(first.page(), &QWebEnginePage::loadFinished, &loop, [&] {
            firstAt = sinceStart() - started;
            if (secondAt >= 0)
                loop.quit();
        });
    const auto noteSecond =
        QObject::connect(second.page(), &QWebEnginePage::loadFinished, &loop, [&] {
            secondAt = sinceStart() - started;
            if (firstAt >= 0)
                loop.quit();
        });
    QTimer::singleShot(120000, &loop, [] {
        std::fprintf(stderr, "quorvel-bench-floor: a pair of pages did not load in time\n");
        _exit(3);
    });
    setPage(first, firstPage);
    setPage(second, secondPage);
    loop.exec();
    QObject::disconnect(noteFirst);
    QObject::disconnect(noteSecond);
    return {firstAt, secondAt};
}

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "quorvel-bench-floor: %s did not happen in time\n", what);
    _exit(3);
}

// Loads the page, runs the chart scripts in it as the program does once it has finished, and
// waits until every chart is drawn. Returns {charts in view drawn, all drawn}, in ms since the
// load was started.
std::pair<double, double> loadWithCharts(QWebEngineView& view, const QByteArray& page,
                                         const ChartScriptFiles& files) {
    QEventLoop loop;
    ChartMilestones milestones;
    const double started = sinceStart();
    const auto connection =
        QObject::connect(view.page(), &QWebEnginePage::loadFinished, &loop, [&] {
            for (const char* file : files) {
                view.page()->runJavaScript(fromWindows1252(readAppFile(file)));
            }
            milestones.watch(view.page());
        });
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (milestones.done()) {
            loop.quit();
        }
    });
    poll.start();
    QTimer::singleShot(120000, &loop, [] { fail("a page's charts"); });
    setPage(view, page);
    loop.exec();
    QObject::disconnect(connection);
    return {milestones.inViewAt() - started, milestones.allDrawnAt() - started};
}

}  // namespace

int main(int argc, char* argv[]) {
    prepareWebEngine();
    QApplication application(argc, argv);
    auto bare = std::make_unique<QWebEngineView>();
    QWebEngineView& view = *bare;
    view.resize(760, 600);
    view.show();
    load(view, pageText({placeholderPage()}));
    printFigure(QStringLiteral("start"), sinceStart());
    std::printf("# helpers at start: %s\n", qPrintable(helperKinds(getpid())));
    std::printf("# memory by mapping at start (MiB): %s\n", qPrintable(pssByMapping(getpid())));
    printFigure(QStringLiteral("memory.start"), treePssMiB(getpid()));

    std::vector<std::string> table;
    loadFruitTable(table);
    std::vector<Fruit> fruits;
    for (int row = 0; row < 9; ++row) {
        fruits.emplace_back(table.at(static_cast<std::size_t>(row * 7)));
    }
    std::vector<std::string> single;
    single = singleFruitReportLines(Fruit(table.at(0)));
    printFigure(QStringLiteral("add"), load(view, pageText(single)));

    auto last = std::move(fruits.back());
    fruits.pop_back();
    load(view, pageText(comparisonReportLines(fruits)));
    fruits.push_back(std::move(last));
    printFigure(QStringLiteral("ninth"), load(view, pageText(comparisonReportLines(fruits))));
    settle();
    printFigure(QStringLiteral("memory.nine"), treePssMiB(getpid()));

    // What the engine takes for the two pages the program hands over when a fruit is added to a
    // comparison (the report in the view shown, the comparison in a view never shown), in the
    // one process, without scripts: how much of figure 3 the second page costs by itself.
    {
        QWebEngineView parked;
        parked.resize(640, 480);
        const QByteArray comparison = pageText(comparisonReportLines(fruits));
        const QByteArray report = pageText(single);
        loadPair(view, report, parked, comparison);  // the parked view's first page
        const QByteArray placeholder = pageText({placeholderPage()});
        loadPair(view, placeholder, parked, placeholder);
        const auto pair = loadPair(view, report, parked, comparison);
        printFigure(QStringLiteral("pair.report"), pair.first);
        printFigure(QStringLiteral("pair.comparison"), pair.second);
    }

    // The second floor, in a view of its own so that no page of the bare pass is cached in it.
    bare.reset();
    QWebEngineView charted;
    charted.resize(760, 600);
    charted.show();
    QWebEngineScript words;
    words.setSourceCode(fromWindows1252(chartWordsScript(Language::English)));
    words.setInjectionPoint(QWebEngineScript::DocumentCreation);
    words.setWorldId(QWebEngineScript::MainWorld);
    charted.page()->scripts().insert(words);
    std::vector<Fruit> two;
    two.emplace_back(table.at(0));
    two.emplace_back(table.at(1));
    loadWithCharts(charted, pageText(comparisonReportLines(two)), kComparisonChartFiles);
    const auto add = loadWithCharts(charted, pageText(single), kReportChartFiles);
    printFigure(QStringLiteral("charted.add.view"), add.first);
    printFigure(QStringLiteral("charted.add"), add.second);
    last = std::move(fruits.back());
    fruits.pop_back();
    loadWithCharts(charted, pageText(comparisonReportLines(fruits)), kComparisonChartFiles);
    fruits.push_back(std::move(last));
    const auto ninth =
        loadWithCharts(charted, pageText(comparisonReportLines(fruits)), kComparisonChartFiles);
    printFigure(QStringLiteral("charted.ninth.view"), ninth.first);
    printFigure(QStringLiteral("charted.ninth"), ninth.second);
    std::printf("# memory with the charted comparison as its last chart is drawn: %.0f MiB\n",
                treePssMiB(getpid()));
    settle();
    std::printf("# helpers with the charted comparison: %s\n", qPrintable(helperKinds(getpid())));
    std::printf("# memory by mapping with the charted comparison (MiB): %s\n",
                qPrintable(pssByMapping(getpid())));
    printFigure(QStringLiteral("charted.memory.nine"), treePssMiB(getpid()));
    return 0;
}
