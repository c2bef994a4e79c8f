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
