// DirectSound call arguments as text, one form shared by the fake's call record and the
// product's trace, so that both read alike.
#pragma once

#include "platform/audio/core/function_ref.h"
#include "platform/audio/dsound.h"

#include <string>

namespace platform::audio {

struct Hex {
    DWORD value;
};
struct Apply {
    DWORD value;
};
struct Pointer {
    const void* value;
};

std::string describe(LONG value);
std::string describe(DWORD value);
std::string describe(float value);
std::string describe(Hex flags);
std::string describe(Apply apply);
std::string describe(Pointer pointer);
std::string describe(const char* text);
std::string describe(const GUID* interfaceId);
std::string describe(const WAVEFORMATEX* format);
std::string describe(const DSBUFFERDESC* description);
std::string describe(const DS3DBUFFER* parameters);
std::string describe(const DS3DLISTENER* parameters);

// The text of a call's arguments, made when it is read.
using ArgumentText = FunctionRef<std::string()>;

inline std::string argumentText() {
    return {};
}

template <typename First, typename... Rest>
std::string argumentText(const First& first, const Rest&... rest) {
    std::string text = describe(first);
    ((text += ", ", text += describe(rest)), ...);
    return text;
}

} // namespace platform::audio
