#pragma once

#include <string>

#include "reports/chart_runner.h"

class HtmlView;

// Lets the chart runner run its scripts in one of the program's web views.
class ViewScriptTarget : public ScriptTarget {
  public:
    explicit ViewScriptTarget(HtmlView& view) : view_(view) {}

    void runScript(const std::string& scriptText, const std::string& language) override;

  private:
    HtmlView& view_;
};

// Runs one of the chart runner's sequences (runReportCharts, ...) in a view. A script file that
// cannot be read stops the sequence with its error; the next page tries again.
void runChartsIn(HtmlView& view, void (*runner)(ScriptTarget&));
