#pragma once

#include <string>

// A text that goes into a page as text, never as markup, also inside a double-quoted attribute:
// "&", "<", ">" and '"' become references. The fruit table's bad fields and the measure names
// (which write inches as '"') need it.
std::string escapedHtml(const std::string& text);
