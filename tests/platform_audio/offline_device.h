// A DirectSound device on the offline output, with the tools to play test tones through it and
// measure what comes out.
#pragma once

#include "platform/audio/audio_output.h"
#include "platform/audio/dsound.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

namespace audio_test {

struct ComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface> using Held = std::unique_ptr<Interface, ComRelease>;

// Root-mean-square levels of the two channels, full scale 1.0.
struct Levels {
    double left = 0.0;
    double right = 0.0;
    // The level of both channels together, the same wherever a sound is panned.
    double total() const { return std::hypot(left, right); }
};

WAVEFORMATEX pcmFormat(WORD channels, DWORD rate, WORD bits);

// 16-bit mono samples of a sine wave, a whole number of periods when the rate allows, so that
// looping it is seamless.
std::vector<int16_t> sineSamples(double hertz, DWORD rate, double seconds, double amplitude);

Levels levelsOf(const platform::audio::RenderedAudio& audio);
// The frequency of the left channel, from its rising zero crossings.
double frequencyOf(const platform::audio::RenderedAudio& audio);

class OfflineDevice : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A mono 16-bit buffer holding a sine tone.
    Held<IDirectSoundBuffer> tone(double hertz, DWORD flags, DWORD rate = 22050,
                                  double seconds = 1.0);
    Held<IDirectSound3DBuffer> interface3D(IDirectSoundBuffer* buffer);
    // Levels over `seconds` of output, after a settling time in which gain changes finish.
    Levels levelsOver(double seconds = 0.2);

    IDirectSound8* directSound = nullptr;
    IDirectSound3DListener* listener = nullptr;
};

} // namespace audio_test
