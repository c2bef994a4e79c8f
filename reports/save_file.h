#pragma once

#include <string>
#include <string_view>

// Writes a whole file or nothing: the bytes go to a new file beside it, which then takes the
// file's name in one step. A file of that name that was there keeps its content when the write
// fails, and no half-written file is left behind; a file that was there keeps its permissions, a
// new one gets the user's usual ones. Returns 0 on success, otherwise the system's error number
// (errno) of the step that failed: EISDIR for a folder of that name, ENOSPC for a full disk, ...
int saveFileWhole(const std::string& path, std::string_view bytes);
