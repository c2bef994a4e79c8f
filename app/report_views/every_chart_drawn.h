#pragma once

#include <QString>
#include <functional>

class HtmlView;

// Printing, saving as PDF and the chart warm-up need every chart of a report page drawn. The chart
// scripts draw them all when they run; this asks the page (QuorvelCharts.drawEveryChart, queued
// behind the scripts) once they have, then calls then from the event loop, once, with the page's
// chart mark (document.documentElement.dataset.charts; "" when the scripts have
// not marked the page). It is not called when the view goes away first: what then holds is
// released with it.
void drawEveryChartThen(HtmlView& view, std::function<void(const QString& chartMark)> then);
