#pragma once

#include <string>
#include <string_view>

#include "data/language.h"

// An amount text as the pages of a language write it: in English exactly as given ("0.40",
// "2E-6"), in Spanish with a decimal comma ("0,40", "1677,6"). The table's amounts carry no
// thousands separator, so the only "." is the decimal point.
std::string localAmount(std::string_view amount, Language language);
