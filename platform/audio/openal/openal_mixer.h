// The mixers of OpenAL Soft: the default sound card, and the loopback device that renders
// offline.
#pragma once

#include "platform/audio/core/mixer.h"

namespace platform::audio {

// An offline mixer is also pulled for its output.
class OfflineRender {
public:
    virtual ~OfflineRender() = default;
    virtual WAVEFORMATEX outputFormat() const = 0;
    // Interleaved float frames at the output format's rate and channels.
    virtual void render(float* frames, size_t frameCount) = 0;
};

// Null when the default device cannot be opened. With `headphones` the device renders with HRTF.
std::shared_ptr<Mixer> openSoundCardMixer(bool headphones);

struct OfflineMixer {
    std::shared_ptr<Mixer> mixer;
    std::shared_ptr<OfflineRender> render; // the same object
};
// Empty when the loopback device cannot be opened. With `headphones` it renders with HRTF at
// binauralFormat(), whatever format it is given.
OfflineMixer openOfflineMixer(const WAVEFORMATEX& format, bool headphones);

} // namespace platform::audio
