#pragma once

// The program's title: the main window's caption and the caption of its message boxes.
inline constexpr char kApplicationTitle[] = "Quorvel";
