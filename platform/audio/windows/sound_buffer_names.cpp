#include "platform/audio/windows/sound_buffer_names.h"
#include "platform/audio/sound_buffer_name.h"

#include <utility>

namespace platform::audio {

namespace {
thread_local std::string nextBufferName;
}

void nameNextSoundBuffer(const char* name) {
    nextBufferName = name != nullptr ? name : "";
}

std::string takeNextSoundBufferName() {
    return std::exchange(nextBufferName, {});
}

} // namespace platform::audio
