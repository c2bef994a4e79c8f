#include "bench/program/chart_watch.h"

#include <QVariant>
#include <QWebEnginePage>

#include "bench/program/bench_clock.h"
#include "htmlview/embedded_wb.h"

ChartWatch::ChartWatch(TEmbeddedWB* view) : view_(view) {
    connect(view_, &TEmbeddedWB::OnDocumentComplete, this, [this] { PageCompleted(); });
    connect(view_->page(), &QWebEnginePage::loadFinished, this, [this] {
        if (armed_) {
            loadedAt_ = SinceStart();
        }
    });
}

void ChartWatch::Expect(const QString& charts) {
    expected_ = charts;
    armed_ = true;
    doneAt_ = completedAt_ = loadedAt_ = -1;
}

void ChartWatch::PageCompleted() {
    if (!armed_) {
        return;
    }
    completedAt_ = SinceStart();
    // Queued behind the chart scripts the window has just handed to the page.
    view_->page()->runJavaScript(QStringLiteral("document.documentElement.dataset.charts || ''"),
                                 [this](const QVariant& value) {
                                     if (armed_ && value.toString() == expected_) {
                                         doneAt_ = SinceStart();
                                         armed_ = false;
                                         emit Marked();
                                     }
                                 });
}
