// What every recipe of the pack works with: the speech synthesizer, the loop builders and the
// cast of voices.
#pragma once

#include "soundpack/dsp/random_source.h"
#include "soundpack/dsp/signal.h"
#include "soundpack/io/speech.h"

#include <filesystem>
#include <functional>
#include <string>

namespace soundpack {

struct Studio {
    SpeechSynthesizer& speech;
    std::filesystem::path workFolder;
};

// Makes `frames` of one channel of a sound from its own random stream.
using ChannelMaker = std::function<Samples(RandomSource& random, size_t frames)>;

// A loop of `loopSeconds` whose channels each come from `make`; the stereo form mixes a shared
// part with a part of each channel's own so that the channels correlate by `correlation` (0..1):
// wide but still one source. Seamless at the seam.
Signal monoLoop(const std::string& name, int sampleRateHz, double loopSeconds,
                const ChannelMaker& make);
Signal stereoLoop(const std::string& name, int sampleRateHz, double loopSeconds, double correlation,
                  const ChannelMaker& make);

// One channel of a one-shot: `events` is the same stream for both channels (when things
// happen), `texture` differs per channel (the noise they are made of).
using OneShotChannelMaker =
    std::function<Samples(RandomSource& events, RandomSource& texture, size_t frames)>;

// A stereo one-shot of `seconds`, faded out at its end.
Signal stereoOneShot(const std::string& name, int sampleRateHz, double seconds,
                     const OneShotChannelMaker& make);

// The people on the radio and in the cockpit.
namespace cast {
inline const Voice groundControl{"en-us+m3", 165, 38};
inline const Voice crew{"en-us+m1", 175, 52};
inline const Voice stationControl{"en-gb-x-rp+f2", 160, 55};
inline const Voice traffic{"en-gb+m4", 170, 45};
inline const Voice launchControl{"en-us+m7", 150, 35};
inline const Voice gpws{"en-us+m2", 150, 30};
inline const Voice host{"en-us+f3", 150, 50};
} // namespace cast

} // namespace soundpack
