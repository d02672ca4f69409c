// The program's own waves: resources of type "WAVE" or "WAV" named as the file they stand for.
#include "config_program/model/wave_file.h"

#include <windows.h>

namespace tunedesk {

std::optional<std::vector<uint8_t>> waveResource(const std::string& name) {
    for (const char* type : {"WAVE", "WAV"}) {
        HRSRC found = ::FindResourceA(nullptr, name.c_str(), type);
        if (found == nullptr)
            continue;
        HGLOBAL loaded = ::LoadResource(nullptr, found);
        const DWORD size = ::SizeofResource(nullptr, found);
        const auto* bytes = static_cast<const uint8_t*>(::LockResource(loaded));
        if (bytes == nullptr || size == 0)
            continue;
        return std::vector<uint8_t>(bytes, bytes + size);
    }
    return std::nullopt;
}

} // namespace tunedesk
