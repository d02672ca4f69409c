#include "system.h"

#include <algorithm>
#include <climits>
#include <unistd.h>

namespace platform {

std::string system::executablePath() {
    char path[PATH_MAX];
    ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) {
        return std::string();
    }
    std::string systemPath(path, static_cast<size_t>(length));
    std::replace(systemPath.begin(), systemPath.end(), '/', '\\');
    return systemPath;
}

} // namespace platform
