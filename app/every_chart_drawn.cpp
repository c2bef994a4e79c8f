#include "app/every_chart_drawn.h"

#include <QPointer>
#include <QVariant>
#include <QWebEnginePage>

#include "htmlview/html_view.h"

namespace {

// QuorvelCharts.drawEveryChart of "vis.dat", if the scripts have run in the page, then the mark.
const char* const kDrawEveryChart =
    "(function (QC) {"
    "  if (QC && typeof QC.drawEveryChart === 'function')"
    "    QC.drawEveryChart();"
    "  return document.documentElement.dataset.charts || '';"
    "})(window.QuorvelCharts)";

}  // namespace

void drawEveryChartThen(HtmlView& view, std::function<void(const QString& chartMark)> then) {
    QPointer<HtmlView> alive(&view);
    view.page()->runJavaScript(QString::fromLatin1(kDrawEveryChart),
                               [alive, then = std::move(then)](const QVariant& mark) {
                                   if (alive != nullptr) {
                                       then(mark.toString());
                                   }
                               });
}
