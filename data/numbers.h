#pragma once

#include <optional>
#include <string>
#include <string_view>

// Amounts are read and written with "." as the decimal point whatever the user's locale; nothing
// here consults or changes global state.

// The number a text denotes: optional blanks, an optional sign, digits with at most one "." among
// them, an optional exponent, optional blanks, and nothing else. Values beyond the range of double
// fail.
std::optional<double> parseNumber(std::string_view text);

// General format with 15 significant digits: plain digits for magnitudes from 1E-4 up to below 1E15
// ("0.0006", "1677.6"), otherwise one digit, the rest after ".", and "E" with the exponent
// ("2E-6").
std::string formatNumber(double number);
