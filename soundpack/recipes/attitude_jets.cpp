#include "soundpack/recipes/attitude_jets.h"

#include "soundpack/dsp/biquad.h"
#include "soundpack/dsp/envelope.h"
#include "soundpack/dsp/levels.h"
#include "soundpack/dsp/mix.h"
#include "soundpack/dsp/noise.h"
#include "soundpack/recipes/recipe_kit.h"

#include <string>

namespace soundpack {

namespace {

constexpr int jetRateHz = lowRateHz;

Samples gasJet(RandomSource& random, size_t frames, double resonanceHz) {
    Samples gas = filtered(whiteNoise(random, frames), highPass(jetRateHz, 900.0, 0.7071));
    filterInPlace(gas, peaking(jetRateHz, resonanceHz, 2.5, 7.0));
    filterInPlace(gas, lowPass(jetRateHz, 4600.0, 0.7071));
    const Samples flutter = wanderingControl(random, frames, jetRateHz, 14.0);
    modulateAmplitude(gas, flutter, 0.15);
    return gas;
}

Samples attackChannel(RandomSource& texture, size_t frames) {
    // The valve: a hard metallic snap in the first milliseconds.
    Samples snap(frames, 0.0f);
    snap[0] = 1.0f;
    filterInPlace(snap, bandPass(jetRateHz, 2600.0, 5.0));
    Samples knock(frames, 0.0f);
    knock[0] = 1.0f;
    filterInPlace(knock, bandPass(jetRateHz, 180.0, 3.0));
    // The burst: gas at full pressure, settling quickly into the sustain level.
    Samples burst = gasJet(texture, frames, 2200.0);
    applyEnvelope(burst, percussiveEnvelope(jetRateHz, frames, 0.003, 0.45));
    return sumOf({{withRms(std::move(burst), -16.0), 1.0}, {snap, 0.9}, {knock, 0.5}});
}

} // namespace

Signal jetAttack(Channels channels) {
    const double seconds = 0.5;
    if (channels == Channels::stereo) {
        return stereoOneShot("attfire40stereo", jetRateHz, seconds,
                             [](RandomSource&, RandomSource& texture, size_t frames) {
                                 return attackChannel(texture, frames);
                             });
    }
    RandomSource texture = RandomSource::forName("attfire");
    Samples mono = attackChannel(texture, framesFor(seconds, jetRateHz));
    fadeEdges(mono, jetRateHz, 0.0, 0.05);
    return monoSignal(jetRateHz, std::move(mono));
}

Signal jetSustain(int voicing, Channels channels) {
    const double resonanceHz = voicing == 1 ? 2200.0 : 2800.0;
    const std::string name = "attsustain" + std::to_string(voicing);
    const auto make = [resonanceHz](RandomSource& random, size_t frames) {
        return gasJet(random, frames, resonanceHz);
    };
    if (channels == Channels::stereo) {
        return stereoLoop(name + "stereo", jetRateHz, 3.0, 0.3, make);
    }
    return monoLoop(name, jetRateHz, 3.0, make);
}

} // namespace soundpack
