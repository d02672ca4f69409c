// Libraries loaded at run time, through the platform's loader (one backend file per platform).
#pragma once

#include <string>

namespace vrhost::dynamic_library {

// Loads the library at `path` with its symbols open to libraries loaded after it; null on
// failure, with the loader's reason in `error`.
void* open(const std::string& path, std::string& error);
// The address of an exported symbol; null when the library has none of that name.
void* symbol(void* library, const char* name);
void close(void* library);

// The file name the platform gives a library called `name` ("libZephyrin.so", "Zephyrin.dll").
std::string fileName(const std::string& name);

} // namespace vrhost::dynamic_library
