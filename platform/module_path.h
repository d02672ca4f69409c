// Where the running program lives (GetModuleFileName of the main module).
#pragma once

#include <string>

namespace platform {

// The full path of the process's executable in the system's form ("\opt\Voranth\vrhost").
std::string executablePath();

// A test host that is not inside a simulator tree names the executable it stands for.
void overrideExecutablePath(const char* systemPath);

} // namespace platform
