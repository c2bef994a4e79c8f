#include "app/view_script_target.h"

#include "htmlview/embedded_wb.h"

void TViewScriptTarget::RunScript(const std::string& scriptText, const std::string& language) {
    view_.RunScript(scriptText, language);
}
