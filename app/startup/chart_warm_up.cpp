#include "app/startup/chart_warm_up.h"

#include <QPointer>
#include <QWebEnginePage>
#include <exception>
#include <string>
#include <vector>

#include "app/report_views/every_chart_drawn.h"
#include "app/report_views/view_script_target.h"
#include "app/startup/program_language.h"
#include "data/fruit.h"
#include "data/fruit_table.h"
#include "htmlview/html_view.h"
#include "reports/chart_runner.h"
#include "reports/chart_words.h"
#include "reports/comparison_report.h"

namespace {

// About the report view's size, so that the charts are laid out as the user's will be.
constexpr int kViewWidth = 780;
constexpr int kViewHeight = 560;
// A comparison of two fruits has its charts in well under a second, also on a slow machine; a
// page that takes much longer is spinning or stuck.
constexpr int kGiveUpMs = 5000;

}  // namespace

ChartWarmUp::ChartWarmUp(QObject* parent) : QObject(parent) {
    giveUp_.setSingleShot(true);
    giveUp_.setInterval(kGiveUpMs);
    connect(&giveUp_, &QTimer::timeout, this, [this] { giveUp(); });
}

ChartWarmUp::~ChartWarmUp() {
    finished_ = true;  // the view's pending answer may come while it is destroyed
}

void ChartWarmUp::startAfterFirstPage(HtmlView& firstView) {
    connect(
        &firstView, &HtmlView::documentComplete, this, [this] { start(); },
        Qt::SingleShotConnection);
}

void ChartWarmUp::start() {
    if (started_) {
        return;
    }
    started_ = true;
    // A comparison of the first two fruits: it takes the chart scripts down the paths of both
    // reports.
    std::vector<std::string> page;
    try {
        std::vector<std::string> table;
        loadFruitTable(table);
        page = comparisonReportLines({Fruit(table.at(0)), Fruit(table.at(1))});
    } catch (const std::exception&) {
        finish(-1);  // nothing to warm up with; the user's pages say what is wrong
        return;
    }
    view_ = std::make_unique<HtmlView>();
    view_->resize(kViewWidth, kViewHeight);
    view_->setDocumentStartScript(chartWordsScript(programLanguage()));
    connect(
        view_.get(), &HtmlView::documentComplete, this, [this] { runChartScripts(); },
        Qt::SingleShotConnection);
    // The scripts' answer never comes from a process that died or was given up.
    connect(view_->page(), &QWebEnginePage::renderProcessTerminated, this, [this] { finish(-1); });
    giveUp_.start();
    if (view_->loadHtmlLines(page) != 0) {
        finish(-1);
    }
}

void ChartWarmUp::runChartScripts() {
    try {
        runChartsIn(*view_, runComparisonCharts);
    } catch (const std::exception&) {
        // A file that cannot be read: the scripts handed over so far still run.
    }
    scriptsHanded_ = true;
    giveUp_.start();
    // Queued behind the chart scripts: its answer comes once they have run and drawn.
    // A view given up first is deleted later, and may answer after this object is gone.
    drawEveryChartThen(*view_, [self = QPointer<ChartWarmUp>(this)](const QString& mark) {
        if (self == nullptr) {
            return;
        }
        bool number = false;
        const int charts = mark.toInt(&number);
        self->finish(number ? charts : -1);
    });
}

void ChartWarmUp::giveUp() {
    if (!scriptsHanded_) {
        finish(-1);  // not even the page came: nothing of ours is running
        return;
    }
    // A chart script that never ends would hold up every page in the shared web-engine process.
    // A new page makes the view give that process up (see HtmlView), and the pages of the
    // other views come back in a new one.
    connect(
        view_.get(), &HtmlView::documentComplete, this, [this] { finish(-1); },
        Qt::SingleShotConnection);
    if (view_->loadHtmlLines({}) != 0) {
        finish(-1);
    }
}

void ChartWarmUp::finish(int charts) {
    if (finished_) {
        return;
    }
    finished_ = true;
    charts_ = charts;
    giveUp_.stop();
    // Not from inside the view's own callback.
    if (view_) {
        view_.release()->deleteLater();
    }
    emit done();
}
