#pragma once

#include <cstddef>

namespace zephyrin {

// The simulator's root folder, with its trailing backslash, from the path of the simulator's
// executable: the executable's folder when it holds the star-constellation file "Constell.bin",
// else its parent when that holds it, else the folder above the parent, unchecked.
void findSimulatorFolder(const char* executablePath, char* folder, size_t folderSize);

} // namespace zephyrin
