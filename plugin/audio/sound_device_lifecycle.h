// Creation and destruction of the plug-in's one sound device, as the lifecycle drives them.
#pragma once

#include "platform/win_types.h"

namespace zephyrin {

class SoundDevice;

// Returns a result code; on success `deviceOut` holds the new device.
HRESULT createSoundDevice(HWND window, DWORD cooperativeLevel, int channels, int frequency,
                          int bits, bool allow3D, SoundDevice*& deviceOut);

// Writes the wave statistics, releases everything and nulls the pointer.
void destroySoundDevice(SoundDevice*& device);

// Commits the deferred 3D settings of every buffer and of the listener, when there is one.
void commitListener(SoundDevice* device);

} // namespace zephyrin
