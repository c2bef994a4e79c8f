#include "bench/program/chart_watch.h"

#include <QStringList>
#include <QVariant>
#include <QWebEnginePage>
#include <algorithm>
#include <ctime>

#include "bench/program/bench_clock.h"
#include "htmlview/html_view.h"

const char* const kChartMilestonesScript = R"JS(
(function () {
    var now = function () { return performance.timeOrigin + performance.now(); };
    var w = window.qvBenchMilestones = {inView: null, all: null};
    function drawn(slot) { return slot.getAttribute("data-qv-state") === "drawn"; }
    function check() {
        var slots = document.querySelectorAll("div.qv-chart");
        var height = window.innerHeight;
        var inView = true;
        var all = true;
        for (var i = 0; i < slots.length; i++) {
            var r = slots[i].getBoundingClientRect();
            if (!drawn(slots[i])) {
                all = false;
                if (r.bottom > 0 && r.top < height) inView = false;
            }
        }
        if (inView && w.inView === null) w.inView = now();
        if (all && w.all === null) w.all = now();
        if (w.inView !== null && w.all !== null && w.observer) w.observer.disconnect();
    }
    check();
    if (w.all === null) {
        w.observer = new MutationObserver(check);
        w.observer.observe(document.documentElement,
                           {subtree: true, attributes: true, attributeFilter: ["data-qv-state"]});
    }
})();
)JS";

const char* const kChartMilestonesQuery =
    "(function (w) { return (w ? (w.inView === null ? '-' : String(w.inView)) + ' ' +"
    " (w.all === null ? '-' : String(w.all)) : '- -') + ' ' +"
    " String(performance.timeOrigin + performance.now()); })(window.qvBenchMilestones)";

double pageTimeToBenchClock(double wallClockMs) {
    timespec wall{};
    timespec mono{};
    clock_gettime(CLOCK_REALTIME, &wall);
    clock_gettime(CLOCK_MONOTONIC, &mono);
    const double wallMs =
        static_cast<double>(wall.tv_sec) * 1000.0 + static_cast<double>(wall.tv_nsec) / 1e6;
    // The same moment on both clocks: how long ago it was, from now on the bench clock.
    return sinceStart() - (wallMs - wallClockMs);
}

ChartMilestones::ChartMilestones(QObject* parent) : QObject(parent) {
    poll_.setInterval(5);
    connect(&poll_, &QTimer::timeout, this, [this] { ask(); });
}

void ChartMilestones::reset() {
    ++generation_;
    poll_.stop();
    inViewAt_ = allDrawnAt_ = -1;
    skew_ = 0;
}

void ChartMilestones::watch(QWebEnginePage* page) {
    reset();
    page_ = page;
    page_->runJavaScript(QString::fromLatin1(kChartMilestonesScript));
    ask();
    poll_.start();
}

void ChartMilestones::ask() {
    const int generation = generation_;
    page_->runJavaScript(
        QString::fromLatin1(kChartMilestonesQuery), [this, generation](const QVariant& value) {
            if (generation != generation_) {
                return;
            }
            // The page's moments on the bench clock; never after the answer.
            const double answeredAt = sinceStart();
            const QStringList parts = value.toString().split(QLatin1Char(' '));
            bool ok = false;
            // The page's wall clock may run ahead of the probe's (the engine
            // estimates it at navigation): by at least as much as the page's
            // "now" lies after the answer's arrival.
            const double pageNow = parts.value(2).toDouble(&ok);
            if (ok) {
                skew_ = std::max(skew_, pageTimeToBenchClock(pageNow) - answeredAt);
            }
            const double inView = parts.value(0).toDouble(&ok);
            if (ok && inViewAt_ < 0) {
                inViewAt_ = std::min(pageTimeToBenchClock(inView) - skew_, answeredAt);
            }
            const double all = parts.value(1).toDouble(&ok);
            if (ok && allDrawnAt_ < 0) {
                allDrawnAt_ = std::min(pageTimeToBenchClock(all) - skew_, answeredAt);
            }
            if (done()) {
                poll_.stop();
            }
        });
}

ChartWatch::ChartWatch(HtmlView* view) : view_(view) {
    connect(view_, &HtmlView::documentComplete, this, [this] { pageCompleted(); });
    connect(view_->page(), &QWebEnginePage::loadFinished, this, [this] {
        if (armed_) {
            loadedAt_ = sinceStart();
        }
    });
}

void ChartWatch::expect(const QString& charts) {
    expected_ = charts;
    armed_ = true;
    doneAt_ = completedAt_ = loadedAt_ = -1;
    milestones_.reset();
}

void ChartWatch::pageCompleted() {
    if (!armed_) {
        return;
    }
    completedAt_ = sinceStart();
    // Queued behind the chart scripts the window has just handed to the page.
    view_->page()->runJavaScript(QStringLiteral("document.documentElement.dataset.charts || ''"),
                                 [this](const QVariant& value) {
                                     if (armed_ && value.toString() == expected_) {
                                         doneAt_ = sinceStart();
                                         armed_ = false;
                                         emit marked();
                                     }
                                 });
    milestones_.watch(view_->page());
}
