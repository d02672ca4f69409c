// The host's one-line debug text, which the frame shares with the other plug-ins.
#pragma once

namespace zephyrin {

// Room the host gives the line; longer texts are cut.
constexpr int debugLineLength = 256;

void writeDebugLine(const char* format, ...) __attribute__((format(printf, 1, 2)));
void clearDebugLine();

} // namespace zephyrin
