#include "plugin/audio/sound_device_lifecycle.h"

#include "plugin/audio/sound_device.h"

namespace zephyrin {

HRESULT createSoundDevice(HWND window, DWORD cooperativeLevel, int channels, int frequency,
                          int bits, bool allow3D, SoundDevice*& deviceOut) {
    deviceOut = new SoundDevice;
    HRESULT result =
        deviceOut->createDevice(window, cooperativeLevel, static_cast<DWORD>(channels),
                                static_cast<DWORD>(frequency), static_cast<DWORD>(bits), allow3D);
    if (FAILED(result)) {
        delete deviceOut;
        deviceOut = nullptr;
    }
    return result;
}

void destroySoundDevice(SoundDevice*& device) {
    if (device != nullptr) {
        device->destroyDevice();
        delete device;
        device = nullptr;
    }
}

void commitListener(SoundDevice* device) {
    if (device != nullptr) {
        device->commitListener();
    }
}

} // namespace zephyrin
