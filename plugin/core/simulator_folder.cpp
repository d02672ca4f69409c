#include "plugin/core/simulator_folder.h"

#include "platform/file_system.h"

#include <cstdio>
#include <cstring>

namespace zephyrin {

namespace {

// Cuts the text after its last backslash, ignoring one that ends it.
void cutLastLevel(char* folder) {
    size_t length = std::strlen(folder);
    if (length > 0 && folder[length - 1] == '\\') {
        folder[length - 1] = '\0';
    }
    char* lastBackslash = std::strrchr(folder, '\\');
    if (lastBackslash != nullptr) {
        lastBackslash[1] = '\0';
    }
}

bool holdsConstellationFile(const char* folder) {
    char probe[600];
    std::snprintf(probe, sizeof probe, "%sConstell.bin", folder);
    FILE* file = platform::openFile(probe, "rb");
    if (file == nullptr) {
        return false;
    }
    std::fclose(file);
    return true;
}

} // namespace

void findSimulatorFolder(const char* executablePath, char* folder, size_t folderSize) {
    std::snprintf(folder, folderSize, "%s", executablePath == nullptr ? "" : executablePath);
    char* lastBackslash = std::strrchr(folder, '\\');
    if (lastBackslash != nullptr) {
        lastBackslash[1] = '\0';
    }
    if (holdsConstellationFile(folder)) {
        return;
    }
    cutLastLevel(folder);
    if (holdsConstellationFile(folder)) {
        return;
    }
    cutLastLevel(folder);
}

} // namespace zephyrin
