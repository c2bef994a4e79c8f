#pragma once

#include <string>
#include <string_view>
#include <vector>

// Cuts a text into lines: a line ends at CR LF, a lone CR or a lone LF; a break at the very end
// does not start a further, empty line; a NUL byte ends the text.
std::vector<std::string> splitTableLines(std::string_view text);

// The name a fruit is shown under: the table name (the text before the first ";"), lower-cased in
// Windows-1252, then capitalizeWords. "ACEROLA,(WEST INDIAN CHERRY),RAW" is shown as
// "Acerola,(west Indian Cherry),raw".
std::string displayNameOf(std::string_view tableLine);

// The names of the fruit list: one display name per line, for every line but the last (the table's
// closing line); nothing for fewer than two lines.
std::vector<std::string> fruitListNames(const std::vector<std::string>& fruitLines);

// Fills fruitLines with the lines of the embedded English table (resource "endat") and returns the
// fruit list's names. If the table cannot be read, fruitLines stays empty and the error goes on.
std::vector<std::string> loadFruitTable(std::vector<std::string>& fruitLines);
