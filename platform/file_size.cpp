// The size of an open file, on every system through its own 64-bit seek.
#include "file_system.h"

namespace platform {

int64_t fileSize(FILE* file) {
    const int64_t position = tellFile(file);
    if (position < 0 || std::fseek(file, 0, SEEK_END) != 0) {
        return -1;
    }
    const int64_t size = tellFile(file);
    return seekFile(file, position) ? size : -1;
}

} // namespace platform
