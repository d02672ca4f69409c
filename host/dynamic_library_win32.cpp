#include "host/dynamic_library.h"

#include <windows.h>

namespace vrhost::dynamic_library {

void* open(const std::string& path, std::string& error) {
    HMODULE library = ::LoadLibraryA(path.c_str());
    if (library == nullptr) {
        error = "cannot load " + path + " (error " + std::to_string(::GetLastError()) + ")";
    }
    return library;
}

void* symbol(void* library, const char* name) {
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name));
}

void close(void* library) {
    ::FreeLibrary(static_cast<HMODULE>(library));
}

std::string fileName(const std::string& name) {
    return name + ".dll";
}

} // namespace vrhost::dynamic_library
