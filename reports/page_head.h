#pragma once

#include <string>
#include <vector>

#include "data/language.h"

// The first three lines that both report pages start with: the doctype and head, the line linking
// the three style sheets beside the program by their full paths, and the start of the body. A
// Spanish page says so (lang="es"), so the chart scripts write their axes with a decimal comma.
void appendPageHead(std::vector<std::string>& lines, const std::string& appFolder,
                    Language language = Language::English);

// The style-sheet line alone. The folder goes in as a file-system path; only the bytes that would
// end the attribute or change the URL's meaning (quote, <, >, &, #, ?, %, controls, non-ASCII) are
// percent-encoded, so ordinary paths appear unchanged.
std::string styleSheetLinks(const std::string& appFolder);
