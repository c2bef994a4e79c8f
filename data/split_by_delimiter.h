#pragma once

#include <string>
#include <string_view>
#include <vector>

// Empties the list and fills it with the pieces of the text between occurrences of the delimiter:
// one piece more than the text holds delimiters, empty pieces included ("" gives one empty piece).
// An empty delimiter cuts nothing: the whole text is the one piece.
void splitByDelimiter(std::vector<std::string>& list, std::string_view text,
                      std::string_view delimiter);
