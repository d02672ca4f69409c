// The previews' sound: one DirectSound object for the dialog window, and one buffer per preview
// file, as the platform's DirectSound plays them.
#pragma once

#include "platform/audio/dsound.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tunedesk {

// Volume 0..255 to hundredths of a decibel: 255 is 0, 0 is −4980.
LONG previewAttenuation(int volume);

class PreviewDevice {
public:
    PreviewDevice() = default;
    ~PreviewDevice();
    PreviewDevice(const PreviewDevice&) = delete;
    PreviewDevice& operator=(const PreviewDevice&) = delete;

    // At priority level on the window, with a primary buffer of 2 channels, 22050 Hz, 16 bits.
    // False (and nothing held) when the machine has no sound output.
    bool create(HWND window);
    void release();
    IDirectSound8* directSound() const { return directSound_; }

private:
    IDirectSound8* directSound_ = nullptr;
    IDirectSoundBuffer* primary_ = nullptr;
};

class CSound {
public:
    CSound() = default;
    ~CSound();
    CSound(const CSound&) = delete;
    CSound& operator=(const CSound&) = delete;

    // One buffer with volume, pan and frequency control holding the whole wave of the file (or
    // of the program's resource of that name). False when there is neither or it is no wave.
    bool create(IDirectSound8* directSound, const std::string& systemPath);
    // Plays from the start, once or looping, at volume 0..255; a lost buffer is restored and
    // refilled first.
    HRESULT Play(bool loop, int volume);
    bool IsPlaying() const;
    bool isLoaded() const { return buffer_ != nullptr; }
    void release();

private:
    HRESULT fill();

    IDirectSoundBuffer* buffer_ = nullptr;
    std::vector<uint8_t> samples_;
};

} // namespace tunedesk
