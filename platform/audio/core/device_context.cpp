#include "platform/audio/core/device_context.h"

#include "platform/audio/audio_output.h"
#include "platform/audio/core/dsound_rules.h"
#include "platform/audio/core/mapping.h"
#include "platform/audio/core/sound_buffer.h"

#include <algorithm>

namespace platform::audio {

DeviceContext::DeviceContext(std::shared_ptr<Mixer> mixer)
    : mixer_(std::move(mixer)), primaryFormat_(defaultOfflineFormat()),
      listenerSettings_(defaultListenerParameters()), listenerHeard_(listenerSettings_) {
    mixer_->setListener(listenerPlacement(listenerHeard_));
}

void DeviceContext::setPrimaryFormat(const WAVEFORMATEX& format) {
    primaryFormat_ = format;
    mixer_->setOutputFormat(format);
}

void DeviceContext::setPrimaryVolume(LONG volumeMillibels) {
    primaryVolume_ = volumeMillibels;
    mixer_->setMasterGain(gainFromMillibels(volumeMillibels));
}

void DeviceContext::commitDeferredSettings() {
    const bool rolloffChanged = listenerHeard_.flRolloffFactor != listenerSettings_.flRolloffFactor;
    mixer_->beginBatch();
    listenerHeard_ = listenerSettings_;
    mixer_->setListener(listenerPlacement(listenerHeard_));
    for (SoundBuffer* buffer : visited(rolloffChanged))
        buffer->commitDeferredSettings(rolloffChanged);
    std::erase_if(watched_, [](SoundBuffer* buffer) { return !buffer->staysWatched(); });
    mixer_->endBatch();
}

void DeviceContext::add3DBuffer(SoundBuffer* buffer) {
    buffers3D_.push_back(buffer);
}

void DeviceContext::remove3DBuffer(SoundBuffer* buffer) {
    std::erase(buffers3D_, buffer);
    std::erase(watched_, buffer);
}

void DeviceContext::watch(SoundBuffer* buffer) {
    watched_.push_back(buffer);
}

void DeviceContext::applyListener(bool rolloffChanged) {
    mixer_->setListener(listenerPlacement(listenerHeard_));
    for (SoundBuffer* buffer : visited(rolloffChanged))
        buffer->listenerChanged(rolloffChanged);
}

} // namespace platform::audio
