#pragma once

#include <string>

// The whole content of folder + name as 8-bit text, byte for byte (no decoding, a byte-order mark
// stays). A file that cannot be opened (missing, no access, a folder) raises std::runtime_error
// "Cannot open file \"<path>\". <system error text>".
std::string ReadFileInFolder(const std::string& folder, const std::string& name);

// ReadFileInFolder(AppFolder(), name): the files that lie beside the program.
std::string ReadAppFile(const std::string& name);
