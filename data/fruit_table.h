#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "data/language.h"

// Cuts a text into lines: a line ends at CR LF, a lone CR or a lone LF; a break at the very end
// does not start a further, empty line; a NUL byte ends the text.
std::vector<std::string> splitTableLines(std::string_view text);

// The name a fruit is shown under: the table name (the text before the first ";"), lower-cased in
// Windows-1252, then capitalizeWords. "ACEROLA,(WEST INDIAN CHERRY),RAW" is shown as
// "Acerola,(west Indian Cherry),raw".
// In Spanish: sentenceCaseWin1252 of the table name ("Manzanas, en crudo, con la piel").
std::string displayNameOf(std::string_view tableLine, Language language = Language::English);

// The names of the fruit list: one display name per line, for every line but the last (the table's
// closing line); nothing for fewer than two lines.
std::vector<std::string> fruitListNames(const std::vector<std::string>& fruitLines,
                                        Language language = Language::English);

// Fills fruitLines with the lines of the embedded table of the language (resource "endat" or
// "esdat") and returns the fruit list's names. Line i is the same fruit in both tables. If the
// table cannot be read, fruitLines stays empty and the error goes on.
std::vector<std::string> loadFruitTable(std::vector<std::string>& fruitLines,
                                        Language language = Language::English);

// The Spanish table leaves off the trailing empty fields of its last lines; a line of fewer than
// 33 fields gets them back as empty fields (empty amounts), so every fruit line makes a record.
std::string withAllFields(const std::string& line);
