// The plug-in's one connection to DirectSound: the primary format, the 3D listener, the hardware
// capabilities, and the wave statistics written when the device goes.
#pragma once

#include "platform/audio/dsound.h"

#include <cstdint>

namespace zephyrin {

// Process-wide counters of the sound objects, reset when a device is created.
struct WaveStatistics {
    int32_t loaded;       // waves read from disk
    int32_t reused;       // loads answered by a slot that already held the file
    int32_t alive;        // sound objects existing now
    int32_t highestAlive; // most sound objects that existed at once
    int32_t failed;       // loads that failed
};
extern WaveStatistics waveStatistics;

class SoundDevice {
public:
    SoundDevice();
    ~SoundDevice();
    SoundDevice(const SoundDevice&) = delete;
    SoundDevice& operator=(const SoundDevice&) = delete;

    HRESULT createDevice(HWND window, DWORD cooperativeLevel, DWORD channels, DWORD frequency,
                         DWORD bits, bool allow3D);
    // Releases everything and writes the wave statistics.
    void destroyDevice();
    void commitListener();
    IDirectSound3DListener8* getListener() const { return listener; }

    IDirectSound8* directSound = nullptr;
    IDirectSoundBuffer* primaryBuffer = nullptr;
    DS3DLISTENER listenerParams{};
    IDirectSound3DListener8* listener = nullptr;
    DSCAPS caps{};
    int32_t has3D = 0;

private:
    void releaseAll();
    void logCapabilities();
    void logSpeakerConfiguration();
    HRESULT setPrimaryBufferFormat(DWORD channels, DWORD frequency, DWORD bits, bool allow3D);
    HRESULT obtainListener();
};

// The text the log gives a speaker configuration value.
void describeSpeakerConfiguration(DWORD configuration, char* text, size_t textSize);

} // namespace zephyrin
