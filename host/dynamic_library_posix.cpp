#include "host/dynamic_library.h"

#include <dlfcn.h>

namespace vrhost::dynamic_library {

std::string fileName(const std::string& name) {
    return "lib" + name + ".so";
}

void* open(const std::string& path, std::string& error) {
    // Global symbols: vessel add-ons loaded later resolve the plug-in's exports from it.
    void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL);
    if (library == nullptr) {
        const char* reason = ::dlerror();
        error = reason != nullptr ? reason : "cannot load " + path;
    }
    return library;
}

void* symbol(void* library, const char* name) {
    return ::dlsym(library, name);
}

void close(void* library) {
    ::dlclose(library);
}

} // namespace vrhost::dynamic_library
