// Libraries loaded at run time, as the system's loader offers them.
#pragma once

#include <string>

namespace vrhost::dynamic_library {

// The file name the system gives the library of that name ("libZephyrin.so", "Zephyrin.dll").
std::string fileName(const std::string& name);

// Loads the library at `path` (a path of this file system) with its symbols available to the
// libraries loaded after it. Null on failure, with the loader's reason in `error`.
void* open(const std::string& path, std::string& error);

// The address of an exported function, or null.
void* symbol(void* library, const char* name);

void close(void* library);

} // namespace vrhost::dynamic_library
