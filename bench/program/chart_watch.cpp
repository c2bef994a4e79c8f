#include "bench/program/chart_watch.h"

#include <QVariant>
#include <QWebEnginePage>

#include "bench/program/bench_clock.h"
#include "htmlview/html_view.h"

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
}
