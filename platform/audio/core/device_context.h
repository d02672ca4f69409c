// What the objects of one DirectSound device share: the mixer, the cooperative level, the primary
// format, the listener's settings and the 3D buffers that a commit applies. Buffers and the
// listener hold it, so it lives until the last of them is released, whatever the order.
#pragma once

#include "platform/audio/core/mixer.h"

#include <memory>
#include <vector>

namespace platform::audio {

class SoundBuffer;

class DeviceContext {
public:
    explicit DeviceContext(std::shared_ptr<Mixer> mixer);

    Mixer& mixer() { return *mixer_; }

    DWORD cooperativeLevel() const { return cooperativeLevel_; }
    void setCooperativeLevel(DWORD level) { cooperativeLevel_ = level; }

    const WAVEFORMATEX& primaryFormat() const { return primaryFormat_; }
    void setPrimaryFormat(const WAVEFORMATEX& format);

    LONG primaryVolume() const { return primaryVolume_; }
    void setPrimaryVolume(LONG volumeMillibels);

    // The listener's parameters as last set, deferred or not, and as heard.
    const DS3DLISTENER& listenerSettings() const { return listenerSettings_; }
    const DS3DLISTENER& listenerHeard() const { return listenerHeard_; }
    // Applies a change to the settings, and at once to what is heard unless deferred.
    template <typename Change> void changeListener(DWORD apply, Change change) {
        change(listenerSettings_);
        if (apply == DS3D_IMMEDIATE) {
            const float rolloffBefore = listenerHeard_.flRolloffFactor;
            change(listenerHeard_);
            applyListener(rolloffBefore != listenerHeard_.flRolloffFactor);
        }
    }

    // Makes every deferred setting of the listener and of the 3D buffers heard, together.
    void commitDeferredSettings();

    void add3DBuffer(SoundBuffer* buffer);
    void remove3DBuffer(SoundBuffer* buffer);
    // A buffer that the next commit or listener change must visit, though the rolloff stays:
    // one with deferred settings, or one that plays and mutes past its maximum distance. The
    // others wait for their next change or play.
    void watch(SoundBuffer* buffer);

private:
    // The rolloff factor belongs to the listener in DirectSound but to each source in a mixer,
    // and buffers muted past their maximum distance follow the listener's position.
    void applyListener(bool rolloffChanged);
    const std::vector<SoundBuffer*>& visited(bool rolloffChanged) const {
        return rolloffChanged ? buffers3D_ : watched_;
    }

    std::shared_ptr<Mixer> mixer_;
    DWORD cooperativeLevel_ = 0;
    WAVEFORMATEX primaryFormat_;
    LONG primaryVolume_ = DSBVOLUME_MAX;
    DS3DLISTENER listenerSettings_;
    DS3DLISTENER listenerHeard_;
    std::vector<SoundBuffer*> buffers3D_;
    std::vector<SoundBuffer*> watched_;
};

} // namespace platform::audio
