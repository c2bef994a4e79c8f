#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "data/language.h"

// How a reader finds and orders fruit names (Windows-1252 texts): without regard to case or
// accents, so that "platano" finds "Plátanos" and "Ácido" sorts with the a's.

// The text lower-cased with its accents taken off: "Á" and "á" become "a", "Ñ" "n", "Œ" "oe",
// "ß" "ss"; every other byte stays as it is.
std::string foldCaseAndAccents(std::string_view text);

// Whether the name holds the typed text once both are folded; an empty text is in every name.
bool nameContains(std::string_view name, std::string_view typed);

// The order of the fruit list for the names in table order: entry r of the list is names[order[r]].
// English keeps the table's order. Spanish sorts as a Spanish reader expects: case and accents
// aside, "ñ" after "n"; equal names keep the table's order.
std::vector<std::size_t> fruitListOrder(const std::vector<std::string>& names, Language language);
