#include "app/report_views/view_script_target.h"

#include "htmlview/html_view.h"

void ViewScriptTarget::runScript(const std::string& scriptText, const std::string& language) {
    view_.runScript(scriptText, language);
}

void runChartsIn(HtmlView& view, void (*runner)(ScriptTarget&)) {
    ViewScriptTarget target(view);
    runner(target);
}
