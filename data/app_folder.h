#pragma once

#include <string>

// The folder of the running program, links resolved, ending in "/". Style sheets, chart scripts and
// the about page are looked up as appFolder() followed by a bare file name. Taken anew at each
// call.
std::string appFolder();
