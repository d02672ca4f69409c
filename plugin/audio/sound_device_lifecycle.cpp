#include "plugin/audio/sound_device_lifecycle.h"

#include "platform/result_codes.h"

namespace zephyrin {

// This build has no sound output yet: every run takes the silent path.
HRESULT createSoundDevice(HWND, DWORD, int, int, int, bool, SoundDevice*& deviceOut) {
    deviceOut = nullptr;
    return DSERR_NODRIVER;
}

void destroySoundDevice(SoundDevice*& device) {
    device = nullptr;
}

void commitListener(SoundDevice*) {}

} // namespace zephyrin
