#pragma once

#include <string>

#include "data/language.h"

// The words the chart scripts show, in one language, as a script that the report views run in
// every page before the page's own scripts: "window.QuorvelWords={...};" (Windows-1252 text).
// The scripts carry no words of their own; a key missing here reads as an empty text there.
// Keys: perAmount ("per 100 g"), logScale, chartOf (the start of a chart's accessible name),
// largestFirst (after the ranking's title), paleBars and allStandIn (the note on charts with
// stand-in amounts), reference (before a reference line's value), decimal and thousands (the
// separators of the axes' numbers).
std::string chartWordsScript(Language language);
