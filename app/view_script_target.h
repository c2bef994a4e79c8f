#pragma once

#include <string>

#include "reports/chart_runner.h"

class TEmbeddedWB;

// Lets the chart runner run its scripts in one of the program's web views.
class TViewScriptTarget : public ScriptTarget {
  public:
    explicit TViewScriptTarget(TEmbeddedWB& view) : view_(view) {}

    void RunScript(const std::string& scriptText, const std::string& language) override;

  private:
    TEmbeddedWB& view_;
};
