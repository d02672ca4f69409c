#include "platform/audio/windows/direct_sound_route.h"

#include "platform/audio/core/trace.h"
#include "platform/audio/windows/traced_objects.h"

#include <cstring>

namespace platform::audio {

namespace {
using DirectSoundCreate8Function = HRESULT(WINAPI*)(LPCGUID, LPDIRECTSOUND8*, LPUNKNOWN);

// The system's function, found by name: the import of the calling module may be routed here.
DirectSoundCreate8Function systemDirectSoundCreate8() {
    static const auto function =
        reinterpret_cast<DirectSoundCreate8Function>(reinterpret_cast<void (*)()>(
            ::GetProcAddress(::LoadLibraryA("dsound.dll"), "DirectSoundCreate8")));
    return function;
}

HRESULT WINAPI tracedDirectSoundCreate8(LPCGUID device, LPDIRECTSOUND8* directSound,
                                        LPUNKNOWN outer) {
    HRESULT result = systemDirectSoundCreate8()(device, directSound, outer);
    if (SUCCEEDED(result) && traceEnabled()) {
        *directSound = static_cast<LPDIRECTSOUND8>(traceDirectSound(*directSound));
    }
    return result;
}

template <typename Pointer> Pointer at(HMODULE module, DWORD offset) {
    return reinterpret_cast<Pointer>(reinterpret_cast<BYTE*>(module) + offset);
}

void replaceImport(ULONG_PTR& importedAddress, ULONG_PTR replacement) {
    DWORD protection = 0;
    if (::VirtualProtect(&importedAddress, sizeof importedAddress, PAGE_READWRITE, &protection)) {
        importedAddress = replacement;
        ::VirtualProtect(&importedAddress, sizeof importedAddress, protection, &protection);
    }
}
} // namespace

void routeDirectSoundThroughTrace(HMODULE module) {
    const auto* headers =
        at<const IMAGE_NT_HEADERS*>(module, at<const IMAGE_DOS_HEADER*>(module, 0)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports =
        headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0) {
        return;
    }
    const auto systemCreate = reinterpret_cast<ULONG_PTR>(systemDirectSoundCreate8());
    const auto tracedCreate = reinterpret_cast<ULONG_PTR>(&tracedDirectSoundCreate8);
    for (const auto* library = at<const IMAGE_IMPORT_DESCRIPTOR*>(module, imports.VirtualAddress);
         library->Name != 0; ++library) {
        if (::_stricmp(at<const char*>(module, library->Name), "dsound.dll") != 0) {
            continue;
        }
        for (auto* entry = at<IMAGE_THUNK_DATA*>(module, library->FirstThunk);
             entry->u1.Function != 0; ++entry) {
            if (entry->u1.Function == systemCreate) {
                replaceImport(entry->u1.Function, tracedCreate);
            }
        }
    }
}

} // namespace platform::audio
