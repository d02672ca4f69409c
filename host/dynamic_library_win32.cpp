#include "host/dynamic_library.h"

#include "platform/audio/windows/direct_sound_route.h"

#include <filesystem>
#include <windows.h>

namespace vrhost::dynamic_library {

namespace {
std::string lastErrorText() {
    char* text = nullptr;
    DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, ::GetLastError(), 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message(text != nullptr ? text : "", length);
    ::LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r')) {
        message.pop_back();
    }
    return message;
}
} // namespace

std::string fileName(const std::string& name) {
    return name + ".dll";
}

void* open(const std::string& path, std::string& error) {
    // A process's loaded libraries all offer their exports to GetProcAddress; the loader only
    // needs backslashes in the path.
    std::string systemPath = std::filesystem::path(path).make_preferred().string();
    HMODULE library = ::LoadLibraryA(systemPath.c_str());
    if (library == nullptr) {
        error = lastErrorText();
        if (error.empty()) {
            error = "cannot load " + path;
        }
        return nullptr;
    }
    // The library calls the system's DirectSound itself: its trace (--trace) sits in between.
    platform::audio::routeDirectSoundThroughTrace(library);
    return library;
}

void* symbol(void* library, const char* name) {
    return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name));
}

void close(void* library) {
    ::FreeLibrary(static_cast<HMODULE>(library));
}

} // namespace vrhost::dynamic_library
