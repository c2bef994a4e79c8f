#include "app/every_chart_drawn.h"

#include <QPointer>
#include <QVariant>
#include <QWebEnginePage>

#include "htmlview/html_view.h"

namespace {

// QuorvelCharts.drawEveryChart of "vis.dat", if the scripts have run in the page.
const char* const kDrawEveryChart =
    "(function (QC) {"
    "  return QC && typeof QC.drawEveryChart === 'function' ? QC.drawEveryChart() : 0;"
    "})(window.QuorvelCharts)";

}  // namespace

void drawEveryChartThen(HtmlView& view, std::function<void()> then) {
    QPointer<HtmlView> alive(&view);
    view.page()->runJavaScript(QString::fromLatin1(kDrawEveryChart),
                               [alive, then = std::move(then)](const QVariant&) {
                                   if (alive != nullptr) {
                                       then();
                                   }
                               });
}
