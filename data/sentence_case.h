#pragma once

#include <string>
#include <string_view>

// The Spanish display-name rule: the whole text lower-cased in Windows-1252, then its first letter
// upper-cased, accented letters included. The Spanish table writes names in mixed case ("MANZANAS,
// en crudo, CON LA PIEL"); a Spanish reader expects them as a sentence: "Manzanas, en crudo, con la
// piel", "Néctar de albaricoque".
std::string sentenceCaseWin1252(std::string_view text);
