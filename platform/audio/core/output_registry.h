// The output the host selected (audio_output.h), as DirectSoundCreate8 opens it.
#pragma once

#include "platform/audio/core/mixer.h"

namespace platform::audio {

// A mixer on the selected output, or null when it cannot be opened. An offline mixer becomes the
// one renderOffline pulls from.
std::shared_ptr<Mixer> openSelectedMixer();

} // namespace platform::audio
