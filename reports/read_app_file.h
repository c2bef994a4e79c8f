#pragma once

#include <string>

// The whole content of folder + name as 8-bit text, byte for byte (no decoding, a byte-order mark
// stays). A file that cannot be opened (missing, no access, a folder) raises std::runtime_error
// "Cannot open file \"<path>\". <system error text>".
std::string readFileInFolder(const std::string& folder, const std::string& name);

// readFileInFolder(appFolder(), name): the files that lie beside the program.
std::string readAppFile(const std::string& name);
