#include "soundpack/recipes/base_ambience.h"

#include "soundpack/dsp/biquad.h"
#include "soundpack/dsp/envelope.h"
#include "soundpack/dsp/levels.h"
#include "soundpack/dsp/mix.h"
#include "soundpack/dsp/noise.h"
#include "soundpack/dsp/oscillator.h"
#include "soundpack/recipes/recipe_kit.h"

#include <cmath>

namespace soundpack {

namespace {

constexpr int baseRateHz = standardRateHz;

// Mains-powered machinery far away: a hum and its harmonics, slowly beating.
Samples machineryHum(double mainsHz, size_t frames, RandomSource& random) {
    const Samples drift = wanderingControl(random, frames, baseRateHz, 0.2);
    Samples hum(frames, 0.0f);
    for (int harmonic = 1; harmonic <= 4; ++harmonic) {
        const Samples partial = sine(baseRateHz, frames, [&](size_t frame) {
            return harmonic * mainsHz * (1.0 + 0.002 * drift[frame]);
        });
        mixInto(hum, partial, 0, 1.0 / (harmonic * harmonic));
    }
    return hum;
}

// A gull's call: a falling, slightly rough "kee-ow".
Samples gullCall(RandomSource& random) {
    const double seconds = 0.32 + 0.1 * random.uniform();
    const size_t frames = framesFor(seconds, baseRateHz);
    const double topHz = 1500.0 + 400.0 * random.uniform();
    const FrequencyCurve pitch = glideHz(topHz, topHz * 0.62, frames);
    Samples call = sine(baseRateHz, frames, pitch);
    mixInto(call, sine(baseRateHz, frames, [&pitch](size_t frame) { return 2.0 * pitch(frame); }),
            0, 0.35);
    mixInto(call, sine(baseRateHz, frames, [&pitch](size_t frame) { return 3.0 * pitch(frame); }),
            0, 0.15);
    Samples roughness = filtered(whiteNoise(random, frames), lowPass(baseRateHz, 60.0, 0.7071));
    modulateAmplitude(call, withRms(std::move(roughness), -6.0), 0.5);
    applyEnvelope(call, adsrEnvelope(baseRateHz, frames, {0.03, 0.1, 0.7, 0.12}, seconds - 0.12));
    return call;
}

// One breaking wave: a swell of broadband noise that rises, crashes and drains away.
Samples breakingWave(RandomSource& random, double seconds) {
    const size_t frames = framesFor(seconds, baseRateHz);
    Samples wash = filtered(pinkNoise(random, frames), lowPass(baseRateHz, 2500.0, 0.7071));
    mixInto(wash, filtered(brownNoise(random, frames), lowPass(baseRateHz, 300.0, 0.7071)), 0, 4.0);
    applyEnvelope(wash, adsrEnvelope(baseRateHz, frames,
                                     {0.35 * seconds, 0.2 * seconds, 0.5, 0.4 * seconds},
                                     0.55 * seconds));
    return wash;
}

} // namespace

Signal spaceportByTheSea() {
    constexpr double loopSeconds = 16.0;
    Signal ambience =
        stereoLoop("Earth_Cape Canaveral breeze", baseRateHz, loopSeconds, 0.3,
                   [](RandomSource& random, size_t frames) {
                       Samples breeze =
                           filtered(pinkNoise(random, frames), bandPass(baseRateHz, 600.0, 0.7));
                       const Samples gusts = wanderingControl(random, frames, baseRateHz, 0.3);
                       modulateAmplitude(breeze, gusts, 0.4);
                       return sumOf({{withRms(std::move(breeze), -24.0), 1.0},
                                     {withRms(machineryHum(60.0, frames, random), -34.0), 1.0}});
                   });
    // Surf and gulls are events of the loop, laid around it so they carry across the seam.
    RandomSource events = RandomSource::forName("Earth_Cape Canaveral events");
    const double waveStarts[] = {0.0, 5.5, 10.7};
    for (double start : waveStarts) {
        const Samples wave = withRms(breakingWave(events, 7.0), -14.0);
        const double pan = events.uniform(0.3, 0.7);
        mixWrapped(ambience.channels[0], wave, framesFor(start, baseRateHz), std::sqrt(1.0 - pan));
        mixWrapped(ambience.channels[1], wave, framesFor(start, baseRateHz), std::sqrt(pan));
    }
    for (int call = 0; call < 5; ++call) {
        const Samples gull = withRms(gullCall(events), -26.0);
        const size_t at = framesFor(events.uniform(0.0, loopSeconds), baseRateHz);
        const double pan = events.uniform(0.1, 0.9);
        mixWrapped(ambience.channels[0], gull, at, std::sqrt(1.0 - pan));
        mixWrapped(ambience.channels[1], gull, at, std::sqrt(pan));
    }
    return ambience;
}

Signal marsOutpost() {
    constexpr double loopSeconds = 12.0;
    Signal ambience = stereoLoop(
        "Mars_Olympus air", baseRateHz, loopSeconds, 0.5, [](RandomSource& random, size_t frames) {
            Samples air = filtered(pinkNoise(random, frames), lowPass(baseRateHz, 900.0, 0.7071));
            filterInPlace(air, peaking(baseRateHz, 240.0, 3.0, 5.0));
            Samples outside =
                filtered(whiteNoise(random, frames), bandPass(baseRateHz, 1400.0, 0.8));
            filterInPlace(outside, lowPass(baseRateHz, 700.0, 0.7071));
            modulateAmplitude(outside, wanderingControl(random, frames, baseRateHz, 0.4), 0.6);
            return sumOf({{withRms(std::move(air), -22.0), 1.0},
                          {withRms(machineryHum(50.0, frames, random), -30.0), 1.0},
                          {withRms(std::move(outside), -30.0), 1.0}});
        });
    // A pump cycles once per loop; a status chime sounds once.
    const size_t pumpFrames = framesFor(3.5, baseRateHz);
    Samples pump = saw(baseRateHz, pumpFrames, steadyHz(38.0));
    filterInPlace(pump, lowPass(baseRateHz, 300.0, 0.7071));
    applyEnvelope(pump, adsrEnvelope(baseRateHz, pumpFrames, {0.6, 0.3, 0.8, 0.9}, 2.6));
    pump = withRms(std::move(pump), -24.0);
    mixWrapped(ambience.channels[0], pump, framesFor(2.0, baseRateHz), 0.8);
    mixWrapped(ambience.channels[1], pump, framesFor(2.0, baseRateHz), 0.6);
    for (double at : {7.0, 7.18}) {
        const size_t chimeFrames = framesFor(0.6, baseRateHz);
        Samples chime = sine(baseRateHz, chimeFrames, steadyHz(at < 7.1 ? 1320.0 : 990.0));
        applyEnvelope(chime, percussiveEnvelope(baseRateHz, chimeFrames, 0.005, 0.5));
        chime = withRms(std::move(chime), -32.0);
        mixWrapped(ambience.channels[0], chime, framesFor(at, baseRateHz), 0.5);
        mixWrapped(ambience.channels[1], chime, framesFor(at, baseRateHz), 0.9);
    }
    return ambience;
}

Signal launchComplex() {
    constexpr double loopSeconds = 14.0;
    Signal ambience = stereoLoop(
        "Earth_Kennedy Space Center air", baseRateHz, loopSeconds, 0.4,
        [](RandomSource& random, size_t frames) {
            Samples fans = filtered(brownNoise(random, frames), lowPass(baseRateHz, 400.0, 0.7071));
            filterInPlace(fans, peaking(baseRateHz, 120.0, 2.0, 6.0));
            Samples breeze = filtered(pinkNoise(random, frames), bandPass(baseRateHz, 800.0, 0.6));
            modulateAmplitude(breeze, wanderingControl(random, frames, baseRateHz, 0.25), 0.5);
            return sumOf({{withRms(std::move(fans), -22.0), 1.0},
                          {withRms(machineryHum(60.0, frames, random), -30.0), 1.0},
                          {withRms(std::move(breeze), -28.0), 1.0}});
        });
    // Valves vent twice per loop; a horn sounds far away once.
    RandomSource events = RandomSource::forName("Earth_Kennedy Space Center events");
    for (double start : {1.5, 8.0}) {
        const size_t ventFrames = framesFor(2.5, baseRateHz);
        Samples vent =
            filtered(whiteNoise(events, ventFrames), highPass(baseRateHz, 2000.0, 0.7071));
        applyEnvelope(vent, adsrEnvelope(baseRateHz, ventFrames, {0.05, 0.3, 0.6, 1.2}, 1.2));
        vent = withRms(std::move(vent), -26.0);
        const double pan = events.uniform(0.2, 0.8);
        mixWrapped(ambience.channels[0], vent, framesFor(start, baseRateHz), std::sqrt(1.0 - pan));
        mixWrapped(ambience.channels[1], vent, framesFor(start, baseRateHz), std::sqrt(pan));
    }
    const size_t hornFrames = framesFor(1.8, baseRateHz);
    Samples horn = saw(baseRateHz, hornFrames, steadyHz(220.0));
    filterInPlace(horn, lowPass(baseRateHz, 900.0, 0.7071));
    applyEnvelope(horn, adsrEnvelope(baseRateHz, hornFrames, {0.1, 0.2, 0.8, 0.5}, 1.2));
    horn = withRms(std::move(horn), -32.0);
    mixWrapped(ambience.channels[0], horn, framesFor(11.0, baseRateHz), 0.7);
    mixWrapped(ambience.channels[1], horn, framesFor(11.0, baseRateHz), 0.6);
    return ambience;
}

} // namespace soundpack
