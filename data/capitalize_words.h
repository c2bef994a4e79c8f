#pragma once

#include <string>
#include <string_view>

// The display-name rule: an ASCII letter a-z at the start of the text or right after a blank
// becomes upper case; nothing else changes (no other character starts a word, accented letters
// stay).
std::string capitalizeWords(std::string_view text);
