#include "app/report_views/every_chart_drawn.h"

#include <QVariant>

#include "htmlview/html_view.h"

namespace {

// QuorvelCharts.drawEveryChart of "vis.dat", if the scripts have run in the page: the mark.
const char* const kDrawEveryChart =
    "(function (QC) {"
    "  if (QC && typeof QC.drawEveryChart === 'function')"
    "    QC.drawEveryChart();"
    "  return document.documentElement.dataset.charts || '';"
    "})(window.QuorvelCharts)";

}  // namespace

void drawEveryChartThen(HtmlView& view, std::function<void(const QString& chartMark)> then) {
    view.evaluate(QString::fromLatin1(kDrawEveryChart),
                  [then = std::move(then)](const QVariant& mark) { then(mark.toString()); });
}
