#pragma once

#include <string>

// The one-line page the report tab shows until a fruit is added.
std::string placeholderPage();
