#include "module_path.h"

#include "system.h"

namespace platform {

namespace {
std::string overriddenPath;
}

std::string executablePath() {
    return overriddenPath.empty() ? system::executablePath() : overriddenPath;
}

void overrideExecutablePath(const char* systemPath) {
    overriddenPath = systemPath == nullptr ? "" : systemPath;
}

} // namespace platform
