#include "soundpack/recipes/ground.h"

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

constexpr int groundRateHz = standardRateHz;

// A low, heavy hit: a falling sine with a noisy body.
Samples thud(RandomSource& random, double fromHz, double toHz, double decaySeconds) {
    const size_t frames = framesFor(decaySeconds * 1.2, groundRateHz);
    Samples body = sine(groundRateHz, frames, glideHz(fromHz, toHz, frames / 3));
    applyEnvelope(body, percussiveEnvelope(groundRateHz, frames, 0.002, decaySeconds));
    Samples dirt = filtered(whiteNoise(random, frames), lowPass(groundRateHz, 500.0, 0.7071));
    applyEnvelope(dirt, percussiveEnvelope(groundRateHz, frames, 0.001, decaySeconds * 0.4));
    return sumOf({{withRms(std::move(body), -10.0), 1.0}, {withRms(std::move(dirt), -16.0), 1.0}});
}

// A struck metal part: inharmonic modes around `baseHz`, each detuned a little at random.
Samples clang(RandomSource& random, double baseHz, double decaySeconds) {
    static const double ratios[] = {1.0, 2.32, 4.25, 6.63, 9.38};
    std::vector<Partial> partials;
    double amplitude = 1.0;
    for (double ratio : ratios) {
        partials.push_back({baseHz * ratio * random.uniform(0.97, 1.03), amplitude,
                            decaySeconds / std::sqrt(ratio)});
        amplitude *= 0.6;
    }
    Samples ring = modalRing(groundRateHz, decaySeconds, partials);
    // The strike itself: a short noisy transient before the ringing takes over.
    Samples strike = filtered(whiteNoise(random, framesFor(0.01, groundRateHz)),
                              highPass(groundRateHz, 1500.0, 0.7071));
    mixInto(ring, strike, 0, 0.6);
    return ring;
}

// A latch or switch: a tiny, bright click.
Samples latchClick(RandomSource& random) {
    Samples click = filtered(whiteNoise(random, framesFor(0.03, groundRateHz)),
                             bandPass(groundRateHz, 3200.0, 3.0));
    applyEnvelope(click, percussiveEnvelope(groundRateHz, click.size(), 0.0005, 0.025));
    mixInto(click, clang(random, 900.0, 0.08), 0, 0.4);
    return click;
}

void place(Samples& channel, const Samples& event, double atSeconds, double gainDb) {
    mixInto(channel, withRms(event, gainDb), framesFor(atSeconds, groundRateHz));
}

} // namespace

Signal groundRoll() {
    constexpr double loopSeconds = 4.0;
    Signal roll =
        stereoLoop("roll", groundRateHz, loopSeconds, 0.6, [](RandomSource& random, size_t frames) {
            Samples rumble =
                filtered(brownNoise(random, frames), lowPass(groundRateHz, 160.0, 0.7071));
            filterInPlace(rumble, highPass(groundRateHz, 25.0, 0.7071));
            Samples tread = filtered(pinkNoise(random, frames), bandPass(groundRateHz, 95.0, 2.5));
            modulateAmplitude(tread, wanderingControl(random, frames, groundRateHz, 3.0), 0.4);
            Samples grit = filtered(pinkNoise(random, frames), bandPass(groundRateHz, 900.0, 0.8));
            return sumOf({{withRms(std::move(rumble), -14.0), 1.0},
                          {withRms(std::move(tread), -17.0), 1.0},
                          {withRms(std::move(grit), -28.0), 1.0}});
        });
    // Runway joints and bumps, wrapped around the loop so they cross the seam cleanly.
    RandomSource events = RandomSource::forName("roll bumps");
    for (int bump = 0; bump < 6; ++bump) {
        const Samples hit = withRms(thud(events, 90.0, 55.0, 0.12), -22.0);
        const size_t at = framesFor(events.uniform(0.0, loopSeconds), groundRateHz);
        mixWrapped(roll.channels[0], hit, at, 1.0);
        mixWrapped(roll.channels[1], hit, at + framesFor(0.004, groundRateHz), 0.9);
    }
    return roll;
}

Signal wheelBrake() {
    return stereoLoop("brake", groundRateHz, 3.0, 0.5, [](RandomSource& random, size_t frames) {
        Samples scrape = filtered(whiteNoise(random, frames), bandPass(groundRateHz, 2000.0, 1.2));
        modulateAmplitude(scrape, wanderingControl(random, frames, groundRateHz, 20.0), 0.5);
        const Samples jitter = wanderingControl(random, frames, groundRateHz, 5.0);
        Samples squeal = sine(groundRateHz, frames, [&jitter](size_t frame) {
            return 1850.0 * (1.0 + 0.012 * jitter[frame]);
        });
        mixInto(squeal,
                sine(groundRateHz, frames,
                     [&jitter](size_t frame) { return 3700.0 * (1.0 + 0.012 * jitter[frame]); }),
                0, 0.3);
        modulateAmplitude(squeal, wanderingControl(random, frames, groundRateHz, 2.0), 0.7);
        Samples rumble = filtered(brownNoise(random, frames), lowPass(groundRateHz, 140.0, 0.7071));
        return sumOf({{withRms(std::move(scrape), -18.0), 1.0},
                      {withRms(std::move(squeal), -22.0), 1.0},
                      {withRms(std::move(rumble), -18.0), 1.0}});
    });
}

Signal touchdown() {
    RandomSource random = RandomSource::forName("land");
    Samples out = silence(groundRateHz, 0.8);
    place(out, thud(random, 110.0, 42.0, 0.35), 0.0, -9.0);
    // The tyres spin up: a short rubber chirp just after the impact.
    Samples chirp = filtered(whiteNoise(random, framesFor(0.18, groundRateHz)),
                             bandPass(groundRateHz, 1300.0, 3.0));
    applyEnvelope(chirp, percussiveEnvelope(groundRateHz, chirp.size(), 0.01, 0.16));
    place(out, chirp, 0.015, -17.0);
    // The gear legs take the load: a short rattle of metal.
    for (double at : {0.05, 0.09, 0.16}) {
        place(out, clang(random, random.uniform(500.0, 800.0), 0.25), at, -26.0);
    }
    fadeEdges(out, groundRateHz, 0.0, 0.1);
    return monoSignal(groundRateHz, std::move(out));
}

Signal crash() {
    return stereoOneShot(
        "crash", groundRateHz, 4.0, [](RandomSource& events, RandomSource& texture, size_t frames) {
            Samples out(frames, 0.0f);
            place(out, thud(texture, 70.0, 30.0, 1.2), 0.0, -8.0);
            Samples blast =
                filtered(brownNoise(texture, frames), lowPass(groundRateHz, 1200.0, 0.7071));
            applyEnvelope(blast, percussiveEnvelope(groundRateHz, frames, 0.003, 1.5));
            place(out, blast, 0.0, -10.0);
            // Metal tearing and parts landing over the next seconds, sparser as they go.
            for (int piece = 0; piece < 14; ++piece) {
                const double at = 2.8 * std::pow(events.uniform(), 1.6);
                place(out, clang(texture, events.uniform(250.0, 1400.0), events.uniform(0.3, 1.0)),
                      at, -18.0 - 8.0 * at / 2.8);
            }
            Samples debris =
                filtered(whiteNoise(texture, frames), bandPass(groundRateHz, 2500.0, 0.7));
            modulateAmplitude(debris, wanderingControl(texture, frames, groundRateHz, 25.0), 0.9);
            applyEnvelope(debris, percussiveEnvelope(groundRateHz, frames, 0.05, 3.0));
            place(out, debris, 0.05, -22.0);
            return out;
        });
}

Signal docking() {
    return stereoOneShot(
        "docking", groundRateHz, 3.0,
        [](RandomSource& events, RandomSource& texture, size_t frames) {
            Samples out(frames, 0.0f);
            // Soft capture: the probe meets the drogue.
            place(out, thud(texture, 85.0, 50.0, 0.4), 0.0, -10.0);
            place(out, clang(texture, 180.0, 0.9), 0.0, -16.0);
            // Capture latches snap one after another.
            for (int latch = 0; latch < 4; ++latch) {
                place(out, latchClick(texture), 0.45 + 0.11 * latch + 0.02 * events.uniform(),
                      -20.0);
            }
            // Retraction: a geared motor pulls the vessels together, its gear train grinding.
            const size_t motorFrames = framesFor(0.95, groundRateHz);
            Samples motor = saw(groundRateHz, motorFrames, glideHz(210.0, 170.0, motorFrames));
            filterInPlace(motor, lowPass(groundRateHz, 900.0, 0.7071));
            Samples gears =
                filtered(whiteNoise(texture, motorFrames), bandPass(groundRateHz, 1600.0, 2.0));
            modulateAmplitude(gears, sine(groundRateHz, motorFrames, steadyHz(35.0)), 0.8);
            Samples drive = sumOf(
                {{withRms(std::move(motor), -10.0), 1.0}, {withRms(std::move(gears), -16.0), 1.0}});
            applyEnvelope(drive,
                          adsrEnvelope(groundRateHz, motorFrames, {0.08, 0.1, 0.9, 0.12}, 0.83));
            place(out, drive, 1.0, -24.0);
            // Hard dock: the hooks close with a final heavy clank.
            place(out, thud(texture, 120.0, 60.0, 0.3), 2.05, -12.0);
            place(out, clang(texture, 260.0, 0.8), 2.05, -17.0);
            return out;
        });
}

Signal undocking() {
    return stereoOneShot(
        "Undocking", groundRateHz, 3.2,
        [](RandomSource& events, RandomSource& texture, size_t frames) {
            Samples out(frames, 0.0f);
            // The hooks open.
            for (int hook = 0; hook < 3; ++hook) {
                place(out, latchClick(texture), 0.05 + 0.12 * hook + 0.02 * events.uniform(),
                      -20.0);
            }
            // The vestibule vents its remaining air.
            const size_t ventFrames = framesFor(1.3, groundRateHz);
            Samples vent =
                filtered(whiteNoise(texture, ventFrames), highPass(groundRateHz, 1200.0, 0.7071));
            filterInPlace(vent, peaking(groundRateHz, 3000.0, 2.0, 5.0));
            applyEnvelope(vent, percussiveEnvelope(groundRateHz, ventFrames, 0.02, 1.2));
            place(out, vent, 0.45, -18.0);
            // The separation springs push the vessels apart.
            place(out, thud(texture, 70.0, 45.0, 0.5), 1.0, -11.0);
            place(out, clang(texture, 150.0, 1.2), 1.0, -19.0);
            return out;
        });
}

} // namespace soundpack
