#include "plugin/behaviour/debug_line.h"

#include "sdk/VoranthAPI.h"

#include <cstdarg>
#include <cstdio>

namespace zephyrin {

void writeDebugLine(const char* format, ...) {
    char* line = vrapiDebugString();
    if (line == nullptr) {
        return;
    }
    va_list values;
    va_start(values, format);
    std::vsnprintf(line, debugLineLength, format, values);
    va_end(values);
}

void clearDebugLine() {
    if (char* line = vrapiDebugString()) {
        line[0] = '\0';
    }
}

} // namespace zephyrin
