#pragma once

#include <QString>
#include <functional>

class HtmlView;

// The chart scripts draw the charts out of sight of a report page later: in background tasks, or
// when they come into view. Printing, saving as PDF and the chart warm-up need every chart drawn:
// this has the page draw every chart still waiting, then calls then from the event loop, once,
// with the page's chart mark (document.documentElement.dataset.charts; "" when the scripts have
// not marked the page). It is not called when the view goes away first: what then holds is
// released with it.
void drawEveryChartThen(HtmlView& view, std::function<void(const QString& chartMark)> then);
