#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The order in which a Spanish reader expects the fruit list: the names (Windows-1252) compared
// by the Spanish collation ("á" with "a", "ñ" after "n", case aside); equal names keep the
// table's order. Entry r of the result is the index of the name shown in row r.
std::vector<std::size_t> spanishListOrder(const std::vector<std::string>& names);
