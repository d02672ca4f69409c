#include "platform/audio/core/call_text.h"

#include <cstdio>

namespace platform::audio {

namespace {
std::string printed(const char* format, auto... values) {
    char text[128];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

std::string vectorText(const D3DVECTOR& vector) {
    return printed("(%g,%g,%g)", double(vector.x), double(vector.y), double(vector.z));
}

struct NamedInterface {
    const IID* id;
    const char* name;
};
constexpr NamedInterface namedInterfaces[] = {
    {&IID_IUnknown, "IID_IUnknown"},
    {&IID_IDirectSound, "IID_IDirectSound"},
    {&IID_IDirectSound8, "IID_IDirectSound8"},
    {&IID_IDirectSoundBuffer, "IID_IDirectSoundBuffer"},
    {&IID_IDirectSoundBuffer8, "IID_IDirectSoundBuffer8"},
    {&IID_IDirectSound3DBuffer, "IID_IDirectSound3DBuffer"},
    {&IID_IDirectSound3DListener, "IID_IDirectSound3DListener"},
};
} // namespace

std::string describe(LONG value) {
    return std::to_string(value);
}
std::string describe(DWORD value) {
    return std::to_string(value);
}
std::string describe(float value) {
    return printed("%g", double(value));
}
std::string describe(Hex flags) {
    return printed("0x%08x", unsigned(flags.value));
}

std::string describe(Apply apply) {
    return apply.value == DS3D_DEFERRED    ? "DEFERRED"
           : apply.value == DS3D_IMMEDIATE ? "IMMEDIATE"
                                           : describe(apply.value);
}

std::string describe(Pointer pointer) {
    return pointer.value ? "ptr" : "null";
}
std::string describe(const char* text) {
    return text ? text : "null";
}

std::string describe(const GUID* interfaceId) {
    if (interfaceId == nullptr)
        return "null";
    for (const NamedInterface& named : namedInterfaces) {
        if (*named.id == *interfaceId)
            return named.name;
    }
    return printed("{%08x-%04x-%04x}", unsigned(interfaceId->Data1), unsigned(interfaceId->Data2),
                   unsigned(interfaceId->Data3));
}

std::string describe(const WAVEFORMATEX* format) {
    if (format == nullptr)
        return "none";
    return printed("%uch/%uHz/%ubit", unsigned(format->nChannels), unsigned(format->nSamplesPerSec),
                   unsigned(format->wBitsPerSample));
}

std::string describe(const DSBUFFERDESC* description) {
    if (description == nullptr)
        return "null";
    return "flags=" + describe(Hex{description->dwFlags}) +
           " bytes=" + describe(description->dwBufferBytes) +
           " format=" + describe(description->lpwfxFormat);
}

std::string describe(const DS3DBUFFER* parameters) {
    if (parameters == nullptr)
        return "null";
    return "position=" + vectorText(parameters->vPosition) +
           " velocity=" + vectorText(parameters->vVelocity) +
           printed(" cone=%u/%u", unsigned(parameters->dwInsideConeAngle),
                   unsigned(parameters->dwOutsideConeAngle)) +
           " orientation=" + vectorText(parameters->vConeOrientation) +
           printed(" outside=%d min=%g max=%g mode=%u", int(parameters->lConeOutsideVolume),
                   double(parameters->flMinDistance), double(parameters->flMaxDistance),
                   unsigned(parameters->dwMode));
}

std::string describe(const DS3DLISTENER* parameters) {
    if (parameters == nullptr)
        return "null";
    return "position=" + vectorText(parameters->vPosition) +
           " velocity=" + vectorText(parameters->vVelocity) +
           " front=" + vectorText(parameters->vOrientFront) +
           " top=" + vectorText(parameters->vOrientTop) +
           printed(" distance=%g rolloff=%g doppler=%g", double(parameters->flDistanceFactor),
                   double(parameters->flRolloffFactor), double(parameters->flDopplerFactor));
}

} // namespace platform::audio
