// One loaded wave in DirectSound buffers, ready to play, loop, stop, re-tune and place in 3D.
// A stereo file asked for in 3D becomes one mono buffer (folded) or two (a stereo pair placed
// channel by channel).
#pragma once

#include "platform/audio/dsound.h"
#include "plugin/audio/wave_reader.h"

#include <cstdint>

namespace zephyrin {

class SoundDevice;

// A request of the loaders only: split a stereo file into a stereo pair; never given to the
// platform.
constexpr DWORD soundSplitStereo = 0x80000;
// Files of this size or more are refused: one sound is loaded whole into memory.
constexpr DWORD soundSizeLimitBytes = 8400001;
// A right-channel volume that follows the left one.
constexpr int sameVolume = -999;

// Volume 0..255 to hundredths of a decibel: 255 is full, 0 is −4980.
LONG volumeToAttenuation(int volume);

class CSound {
public:
    CSound(LPDIRECTSOUNDBUFFER8* buffers, DWORD bufferBytes, DWORD bufferCount, WaveReader* reader,
           bool is3D);
    virtual ~CSound();
    CSound(const CSound&) = delete;
    CSound& operator=(const CSound&) = delete;

    HRESULT attachRightChannel(LPDIRECTSOUNDBUFFER8* buffers, DWORD bufferBytes, DWORD bufferCount);

    HRESULT play(DWORD priority, bool looping, int volume, DWORD frequency,
                 int rightVolume = sameVolume);
    HRESULT stop();
    HRESULT rewind();
    bool isPlaying();
    HRESULT setVolume(int volume);

    // 3D settings take effect when the device commits its deferred settings.
    HRESULT setPosition(const D3DVECTOR& left, const D3DVECTOR& right);
    HRESULT setMinMaxDistance(double minimum, double maximum);
    HRESULT setMode(DWORD mode);
    HRESULT setCone(double insideAngle, double outsideAngle, const D3DVECTOR& orientation,
                    double outsideVolume);

    DWORD getFrequency() const;
    bool is3D() const { return buffer3D != nullptr; }

    LPDIRECTSOUNDBUFFER8* buffers = nullptr;
    LPDIRECTSOUND3DBUFFER8 buffer3D = nullptr;
    DWORD bufferBytes = 0;
    WaveReader* waveFile = nullptr;
    DWORD bufferCount = 0;
    DS3DBUFFER params3D{};
    LPDIRECTSOUNDBUFFER8* rightBuffers = nullptr;
    LPDIRECTSOUND3DBUFFER8 rightBuffer3D = nullptr;
    DWORD rightBufferBytes = 0;
    DWORD rightBufferCount = 0;
    DS3DBUFFER rightParams3D{};
    int32_t isStereoPair = 0;

private:
    struct Channel {
        LPDIRECTSOUNDBUFFER8* buffers;
        DWORD count;
        DWORD bytes;
    };
    Channel left() const { return {buffers, bufferCount, bufferBytes}; }
    Channel right() const { return {rightBuffers, rightBufferCount, rightBufferBytes}; }

    HRESULT playChannel(const Channel& channel, DWORD priority, bool looping, int volume,
                        DWORD frequency);
    LPDIRECTSOUNDBUFFER8 freeBuffer(const Channel& channel);
    HRESULT fillBuffer(LPDIRECTSOUNDBUFFER8 buffer, DWORD bytes, bool repeatIfShort);
    HRESULT restoreBuffer(LPDIRECTSOUNDBUFFER8 buffer, bool* restored);
    HRESULT rewindChannel(const Channel& channel);
    static HRESULT setUp3D(LPDIRECTSOUNDBUFFER8 buffer, LPDIRECTSOUND3DBUFFER8& buffer3D,
                           DS3DBUFFER& params);
};

HRESULT createSound(SoundDevice* device, CSound** soundOut, const char* fileName, DWORD flags,
                    const GUID& algorithm, DWORD count);

} // namespace zephyrin
