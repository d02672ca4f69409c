// The fake's process-wide record: the calls made, the failures asked for, and the state of the
// device and buffers that tests read back.
#pragma once

#include "platform/audio/dsound_fake.h"

#include <memory>
#include <optional>

namespace platform::audio::fake {

// Records a call and returns the failure a test scripted for it, if any. `descriptionFlags` and
// `interfaceId` are what CreateSoundBuffer and QueryInterface were asked for.
std::optional<HRESULT> enter(std::string object, std::string method, std::string arguments,
                             DWORD descriptionFlags = 0, const IID* interfaceId = nullptr);

// A fresh device state for a new DirectSound object; device() reads it back from then on.
std::shared_ptr<DeviceState> startDevice();
std::shared_ptr<BufferState> addBuffer(std::string name);
DWORD speakerConfig();

// The name nameNextSoundBuffer left for the next buffer of this thread; cleared by the take.
std::string takeNextBufferName();

} // namespace platform::audio::fake
