#include "soundpack/recipes/recipe_kit.h"

#include "soundpack/dsp/envelope.h"
#include "soundpack/dsp/loop.h"
#include "soundpack/dsp/mix.h"

#include <algorithm>
#include <cmath>

namespace soundpack {

namespace {

double crossfadeFor(double loopSeconds) {
    return std::min(0.5, loopSeconds / 4.0);
}

} // namespace

Signal monoLoop(const std::string& name, int sampleRateHz, double loopSeconds,
                const ChannelMaker& make) {
    RandomSource random = RandomSource::forName(name);
    const double crossfade = crossfadeFor(loopSeconds);
    Signal signal =
        monoSignal(sampleRateHz, make(random, framesFor(loopSeconds + crossfade, sampleRateHz)));
    makeSeamless(signal, loopSeconds, crossfade);
    return signal;
}

Signal stereoLoop(const std::string& name, int sampleRateHz, double loopSeconds, double correlation,
                  const ChannelMaker& make) {
    RandomSource random = RandomSource::forName(name);
    const double crossfade = crossfadeFor(loopSeconds);
    const size_t frames = framesFor(loopSeconds + crossfade, sampleRateHz);
    const Samples shared = make(random, frames);
    const Samples ownLeft = make(random, frames);
    const Samples ownRight = make(random, frames);
    const double sharedGain = std::sqrt(correlation);
    const double ownGain = std::sqrt(1.0 - correlation);
    Signal signal = stereoSignal(sampleRateHz, sumOf({{shared, sharedGain}, {ownLeft, ownGain}}),
                                 sumOf({{shared, sharedGain}, {ownRight, ownGain}}));
    makeSeamless(signal, loopSeconds, crossfade);
    return signal;
}

Signal stereoOneShot(const std::string& name, int sampleRateHz, double seconds,
                     const OneShotChannelMaker& make) {
    const size_t frames = framesFor(seconds, sampleRateHz);
    Signal signal{sampleRateHz, {}};
    for (const char* side : {"left", "right"}) {
        RandomSource events = RandomSource::forName(name);
        RandomSource texture = RandomSource::forName(name + "/" + side);
        Samples channel = make(events, texture, frames);
        channel.resize(frames, 0.0f);
        fadeEdges(channel, sampleRateHz, 0.0, 0.05);
        signal.channels.push_back(std::move(channel));
    }
    return signal;
}

} // namespace soundpack
