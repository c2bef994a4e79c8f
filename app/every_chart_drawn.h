#pragma once

#include <functional>

class HtmlView;

// The chart scripts draw the charts out of sight of a report page only when the page is idle or
// they come into view. Printing and saving as PDF need every chart on paper: this has the page
// draw every chart still waiting, then calls then from the event loop, once. It is not called
// when the view goes away first. On a page without the chart scripts it calls then at once
// after asking.
void drawEveryChartThen(HtmlView& view, std::function<void()> then);
