#include "soundpack/recipes/atmosphere.h"

#include "soundpack/dsp/biquad.h"
#include "soundpack/dsp/envelope.h"
#include "soundpack/dsp/levels.h"
#include "soundpack/dsp/mix.h"
#include "soundpack/dsp/noise.h"
#include "soundpack/recipes/recipe_kit.h"

#include <cmath>
#include <stdexcept>

namespace soundpack {

namespace {

constexpr int airRateHz = standardRateHz;

// Wind: noise through a band-pass whose centre wanders with the gusts, a little whistle on top.
struct WindVoice {
    double centreHz;
    double spreadOctaves; // how far gusts move the centre
    double gustRateHz;
    double gustDepth;
    double whistleHz; // 0: none
    double whistleDb;
    double rumbleDb;
};

Samples wind(const WindVoice& voice, RandomSource& random, size_t frames) {
    const Samples gusts = wanderingControl(random, frames, airRateHz, voice.gustRateHz);
    Samples rush = sweptBandPass(pinkNoise(random, frames), airRateHz, 0.8, [&](size_t frame) {
        return voice.centreHz * std::exp2(voice.spreadOctaves * gusts[frame]);
    });
    modulateAmplitude(rush, gusts, voice.gustDepth);
    rush = withRms(std::move(rush), -14.0);

    Samples rumble = filtered(brownNoise(random, frames), lowPass(airRateHz, 90.0, 0.7071));
    filterInPlace(rumble, highPass(airRateHz, 20.0, 0.7071));
    modulateAmplitude(rumble, gusts, voice.gustDepth);
    Samples out = sumOf({{rush, 1.0}, {withRms(std::move(rumble), voice.rumbleDb), 1.0}});

    if (voice.whistleHz > 0.0) {
        Samples whistle =
            sweptBandPass(whiteNoise(random, frames), airRateHz, 14.0, [&](size_t frame) {
                return voice.whistleHz * std::exp2(0.5 * gusts[frame]);
            });
        modulateAmplitude(whistle, gusts, 0.8);
        mixInto(out, withRms(std::move(whistle), voice.whistleDb), 0);
    }
    return out;
}

Signal windLoop(const std::string& name, double seconds, const WindVoice& voice) {
    return stereoLoop(name, airRateHz, seconds, 0.2, [&voice](RandomSource& random, size_t frames) {
        return wind(voice, random, frames);
    });
}

struct BoomShape {
    double durationSeconds; // bow shock to tail shock
    double riseSeconds;     // steepness of each shock
    double echoSeconds;     // ground reflection delay
    double rumbleSeconds;   // rolling echo from terrain
    double rumbleDb;
};

Samples boomChannel(const BoomShape& shape, RandomSource& events, RandomSource& texture,
                    size_t frames) {
    // The N-wave: a jump to overpressure, a straight fall to the same underpressure, a jump back.
    Samples wave(frames, 0.0f);
    const size_t start = framesFor(0.02, airRateHz);
    const size_t length = framesFor(shape.durationSeconds, airRateHz);
    for (size_t i = 0; i <= length && start + i < frames; ++i) {
        wave[start + i] = static_cast<float>(1.0 - 2.0 * static_cast<double>(i) / length);
    }
    // Rise time: the atmosphere rounds the shocks, more over longer paths.
    const double roundingHz = 1.0 / (3.14159 * shape.riseSeconds);
    filterInPlace(wave, lowPass(airRateHz, roundingHz, 0.6));
    filterInPlace(wave, lowPass(airRateHz, roundingHz * 1.5, 0.6));
    const Samples direct = wave;
    mixInto(wave, direct, framesFor(shape.echoSeconds + 0.004 * events.uniform(), airRateHz), 0.55);

    Samples rumble = filtered(brownNoise(texture, frames), lowPass(airRateHz, 160.0, 0.7071));
    filterInPlace(rumble, highPass(airRateHz, 25.0, 0.7071));
    Samples rumbleShape = percussiveEnvelope(airRateHz, frames, 0.05, shape.rumbleSeconds);
    Samples delayedShape(start + length / 2, 0.0f);
    delayedShape.insert(delayedShape.end(), rumbleShape.begin(), rumbleShape.end());
    applyEnvelope(rumble, delayedShape);

    Samples out = sumOf({{wave, 1.0}, {withRms(std::move(rumble), shape.rumbleDb), 1.0}});
    // The ear hears pressure changes, not the static offset of the wave.
    filterInPlace(out, highPass(airRateHz, 18.0, 0.7071));
    return out;
}

} // namespace

Signal airspeedWind() {
    return windLoop("airspeed", 8.0,
                    {.centreHz = 700.0,
                     .spreadOctaves = 0.8,
                     .gustRateHz = 0.8,
                     .gustDepth = 0.35,
                     .whistleHz = 2300.0,
                     .whistleDb = -30.0,
                     .rumbleDb = -17.0});
}

Signal reentryPlasma() {
    return monoLoop("reentryfar", airRateHz, 8.0, [](RandomSource& random, size_t frames) {
        // The shock layer: a deep, turbulent roar with sizzling ionised crackle over it.
        Samples roar = filtered(brownNoise(random, frames), lowPass(airRateHz, 260.0, 0.7071));
        filterInPlace(roar, highPass(airRateHz, 25.0, 0.7071));
        const Samples turbulence = wanderingControl(random, frames, airRateHz, 12.0);
        Samples body = filtered(pinkNoise(random, frames), bandPass(airRateHz, 700.0, 0.6));
        modulateAmplitude(body, turbulence, 0.45);
        Samples sizzle = filtered(crackle(random, frames, airRateHz, 900.0),
                                  highPass(airRateHz, 2500.0, 0.7071));
        const Samples flicker = wanderingControl(random, frames, airRateHz, 4.0);
        modulateAmplitude(sizzle, flicker, 0.6);
        return sumOf({{withRms(std::move(roar), -12.0), 1.0},
                      {withRms(std::move(body), -16.0), 1.0},
                      {withRms(std::move(sizzle), -24.0), 1.0}});
    });
}

Signal sonicBoom(BoomDistance distance) {
    struct Variant {
        const char* name;
        BoomShape shape;
        double seconds;
    };
    static const Variant variants[] = {
        {"Sonicbang", {0.12, 0.00015, 0.011, 0.9, -24.0}, 1.6},
        {"Sonicbangfar", {0.2, 0.0012, 0.03, 1.8, -20.0}, 2.6},
        {"Sonicbangfar1", {0.26, 0.0025, 0.045, 2.4, -19.0}, 3.2},
    };
    const Variant& variant = variants[static_cast<int>(distance)];
    return stereoOneShot(variant.name, airRateHz, variant.seconds,
                         [&variant](RandomSource& events, RandomSource& texture, size_t frames) {
                             return boomChannel(variant.shape, events, texture, frames);
                         });
}

Signal planetWind(WindCharacter character) {
    switch (character) {
    case WindCharacter::earthBreeze:
        return windLoop("Earth_breeze", 10.0,
                        {.centreHz = 500.0,
                         .spreadOctaves = 0.7,
                         .gustRateHz = 0.4,
                         .gustDepth = 0.4,
                         .whistleHz = 0.0,
                         .whistleDb = 0.0,
                         .rumbleDb = -20.0});
    case WindCharacter::earthGusts:
        return windLoop("Earth_default2", 12.0,
                        {.centreHz = 420.0,
                         .spreadOctaves = 1.0,
                         .gustRateHz = 0.6,
                         .gustDepth = 0.55,
                         .whistleHz = 1800.0,
                         .whistleDb = -32.0,
                         .rumbleDb = -18.0});
    case WindCharacter::marsDust:
        // Thin air: little body, a high, dry hiss of sand grains.
        return windLoop("Mars_dust", 10.0,
                        {.centreHz = 1600.0,
                         .spreadOctaves = 0.6,
                         .gustRateHz = 0.3,
                         .gustDepth = 0.5,
                         .whistleHz = 3600.0,
                         .whistleDb = -34.0,
                         .rumbleDb = -30.0});
    case WindCharacter::marsStorm:
        return windLoop("Mars_storm", 10.0,
                        {.centreHz = 1100.0,
                         .spreadOctaves = 1.0,
                         .gustRateHz = 0.9,
                         .gustDepth = 0.6,
                         .whistleHz = 2900.0,
                         .whistleDb = -30.0,
                         .rumbleDb = -24.0});
    case WindCharacter::thickAtmosphere:
        return windLoop("GenericBig_dense", 12.0,
                        {.centreHz = 260.0,
                         .spreadOctaves = 0.8,
                         .gustRateHz = 0.25,
                         .gustDepth = 0.45,
                         .whistleHz = 0.0,
                         .whistleDb = 0.0,
                         .rumbleDb = -13.0});
    case WindCharacter::thinAtmosphere:
        return windLoop("GenericNormal_thin", 10.0,
                        {.centreHz = 900.0,
                         .spreadOctaves = 0.7,
                         .gustRateHz = 0.5,
                         .gustDepth = 0.45,
                         .whistleHz = 2600.0,
                         .whistleDb = -33.0,
                         .rumbleDb = -24.0});
    }
    throw std::invalid_argument("planetWind: unknown wind character");
}

} // namespace soundpack
