#pragma once

#include <string>

#include "data/language.h"

// The one-line page the report tab shows until a fruit is added.
std::string placeholderPage(Language language = Language::English);
