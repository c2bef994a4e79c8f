#pragma once

#include <string>
#include <string_view>

// The exact bytes of a table compiled into the program, found by name and type without regard to
// case: "ENDAT" (the English fruit table) and "ESDAT" (its Spanish twin), "ENMEASURES" and
// "ESMEASURES" (the household measures in both languages), all of type "TEXT".
// An unknown or empty resource raises std::system_error with the system's text for "not found".
std::string loadResourceText(std::string_view name, std::string_view type);
