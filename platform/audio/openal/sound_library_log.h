// Where the sound library's own messages go: see setSoundLibraryLog in audio_output.h.
#pragma once

#include "platform/audio/audio_output.h"

#include <string>

namespace platform::audio {

// Hands a message to the host's hook, if it set one.
void logSoundLibraryMessage(const std::string& message);

} // namespace platform::audio
