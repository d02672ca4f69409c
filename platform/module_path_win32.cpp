#include "system.h"

#include <windows.h>

namespace platform {

std::string system::executablePath() {
    char path[MAX_PATH];
    DWORD length = ::GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length == sizeof path) {
        return std::string();
    }
    return std::string(path, length);
}

} // namespace platform
