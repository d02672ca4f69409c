#include "soundpack/recipes/cockpit.h"

#include "soundpack/dsp/biquad.h"
#include "soundpack/dsp/envelope.h"
#include "soundpack/dsp/levels.h"
#include "soundpack/dsp/mix.h"
#include "soundpack/dsp/noise.h"
#include "soundpack/dsp/oscillator.h"
#include "soundpack/recipes/recipe_kit.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace soundpack {

namespace {

constexpr int cabinRateHz = standardRateHz;

// A clean electronic beep with soft edges, at any rate.
Samples beep(int rateHz, double hz, double seconds) {
    const size_t frames = framesFor(seconds, rateHz);
    Samples tone = sine(rateHz, frames, steadyHz(hz));
    mixInto(tone, sine(rateHz, frames, steadyHz(2.0 * hz)), 0, 0.15);
    fadeEdges(tone, rateHz, 0.004, 0.012);
    return tone;
}

// A panel switch: the lever's snap and the thunk of its body.
Samples toggleSwitch(RandomSource& random) {
    const size_t frames = framesFor(0.06, cabinRateHz);
    Samples snap = filtered(whiteNoise(random, frames), bandPass(cabinRateHz, 3500.0, 2.0));
    applyEnvelope(snap, percussiveEnvelope(cabinRateHz, frames, 0.0003, 0.02));
    Samples body = sine(cabinRateHz, frames, glideHz(900.0, 600.0, frames));
    applyEnvelope(body, percussiveEnvelope(cabinRateHz, frames, 0.0005, 0.04));
    return sumOf({{withRms(std::move(snap), -14.0), 1.0}, {withRms(std::move(body), -20.0), 1.0}});
}

void place(Samples& out, const Samples& event, double atSeconds, double gain = 1.0) {
    mixInto(out, event, framesFor(atSeconds, cabinRateHz), gain);
}

Samples radioBandNoise(RandomSource& random, size_t frames) {
    Samples noise = filtered(whiteNoise(random, frames), highPass(cabinRateHz, 300.0, 0.7071));
    filterInPlace(noise, lowPass(cabinRateHz, 3200.0, 0.7071));
    return noise;
}

Samples hullCreak(RandomSource& random) {
    // Stick-slip friction: irregular pulses exciting two low hull resonances.
    const size_t frames = framesFor(1.4, cabinRateHz);
    Samples pulses(frames, 0.0f);
    double at = 0.1;
    while (at < 1.2) {
        pulses[framesFor(at, cabinRateHz)] = static_cast<float>(random.uniform(0.5, 1.0));
        at += random.uniform(0.015, 0.045);
    }
    Samples creak = sumOf({{filtered(pulses, bandPass(cabinRateHz, 160.0, 12.0)), 1.0},
                           {filtered(pulses, bandPass(cabinRateHz, 420.0, 9.0)), 0.6}});
    fadeEdges(creak, cabinRateHz, 0.05, 0.3);
    return creak;
}

Samples computerChirps(RandomSource& random) {
    static const double pentatonicHz[] = {1318.5, 1480.0, 1760.0, 1975.5, 2217.5, 2637.0};
    Samples out = silence(cabinRateHz, 1.2);
    for (int note = 0; note < 6; ++note) {
        place(out, beep(cabinRateHz, pentatonicHz[random.next() % 6], 0.06), 0.1 + 0.11 * note);
    }
    return out;
}

Samples pumpCycle(RandomSource& random) {
    const size_t frames = framesFor(2.8, cabinRateHz);
    Samples motor = saw(cabinRateHz, frames, [frames](size_t frame) {
        const double t = static_cast<double>(frame) / frames;
        return 60.0 + 60.0 * std::sin(3.14159 * t);
    });
    filterInPlace(motor, lowPass(cabinRateHz, 700.0, 0.7071));
    Samples gurgle = filtered(pinkNoise(random, frames), bandPass(cabinRateHz, 500.0, 2.0));
    modulateAmplitude(gurgle, wanderingControl(random, frames, cabinRateHz, 8.0), 0.8);
    Samples out =
        sumOf({{withRms(std::move(motor), -16.0), 1.0}, {withRms(std::move(gurgle), -22.0), 1.0}});
    fadeEdges(out, cabinRateHz, 0.4, 0.6);
    return out;
}

Samples thermalPing(RandomSource& random) {
    return modalRing(
        cabinRateHz, 1.6,
        {{2310.0 * random.uniform(0.98, 1.02), 1.0, 1.4}, {5230.0, 0.4, 0.7}, {3720.0, 0.25, 0.9}});
}

Samples fanSpin(RandomSource& random) {
    const size_t frames = framesFor(3.2, cabinRateHz);
    const auto speed = [frames](size_t frame) {
        const double t = static_cast<double>(frame) / frames;
        return std::sin(3.14159 * t);
    };
    Samples air = sweptBandPass(pinkNoise(random, frames), cabinRateHz, 1.2,
                                [&speed](size_t frame) { return 300.0 + 900.0 * speed(frame); });
    Samples blade =
        sine(cabinRateHz, frames, [&speed](size_t frame) { return 40.0 + 260.0 * speed(frame); });
    Samples out =
        sumOf({{withRms(std::move(air), -18.0), 1.0}, {withRms(std::move(blade), -26.0), 1.0}});
    applyEnvelope(out, adsrEnvelope(cabinRateHz, frames, {0.6, 0.5, 0.8, 1.0}, 2.2));
    return out;
}

Samples switchRow(RandomSource& random) {
    Samples out = silence(cabinRateHz, 0.9);
    for (double at : {0.0, 0.32, 0.55}) {
        place(out, toggleSwitch(random), at + 0.03 * random.uniform());
    }
    return out;
}

Samples distantThump(RandomSource& random) {
    const size_t frames = framesFor(1.2, cabinRateHz);
    Samples thump = sine(cabinRateHz, frames, glideHz(75.0, 45.0, frames / 4));
    applyEnvelope(thump, percussiveEnvelope(cabinRateHz, frames, 0.01, 0.6));
    Samples rattle = filtered(whiteNoise(random, frames), bandPass(cabinRateHz, 1800.0, 4.0));
    modulateAmplitude(rattle, wanderingControl(random, frames, cabinRateHz, 30.0), 1.0);
    applyEnvelope(rattle, percussiveEnvelope(cabinRateHz, frames, 0.02, 0.4));
    return sumOf(
        {{withRms(std::move(thump), -12.0), 1.0}, {withRms(std::move(rattle), -28.0), 1.0}});
}

Samples ventSigh(RandomSource& random) {
    const size_t frames = framesFor(1.8, cabinRateHz);
    Samples air = filtered(pinkNoise(random, frames), bandPass(cabinRateHz, 1500.0, 0.7));
    applyEnvelope(air, adsrEnvelope(cabinRateHz, frames, {0.25, 0.4, 0.6, 0.8}, 1.0));
    return air;
}

Samples relayAndChime(RandomSource& random) {
    Samples out = silence(cabinRateHz, 1.0);
    place(out, toggleSwitch(random), 0.0);
    place(out, beep(cabinRateHz, 1046.5, 0.12), 0.12, 0.3);
    place(out, beep(cabinRateHz, 1568.0, 0.2), 0.26, 0.3);
    return out;
}

} // namespace

Signal airConditioning() {
    return stereoLoop("aircond", cabinRateHz, 8.0, 0.4, [](RandomSource& random, size_t frames) {
        Samples air = filtered(pinkNoise(random, frames), lowPass(cabinRateHz, 2200.0, 0.7071));
        filterInPlace(air, highPass(cabinRateHz, 80.0, 0.7071));
        // The blower: a steady blade tone and its motor's hum.
        Samples blade = filtered(pinkNoise(random, frames), bandPass(cabinRateHz, 310.0, 8.0));
        Samples hum = sumOf({{sine(cabinRateHz, frames, steadyHz(100.0)), 1.0},
                             {sine(cabinRateHz, frames, steadyHz(200.0)), 0.4},
                             {sine(cabinRateHz, frames, steadyHz(300.0)), 0.15}});
        modulateAmplitude(air, wanderingControl(random, frames, cabinRateHz, 0.5), 0.08);
        return sumOf({{withRms(std::move(air), -16.0), 1.0},
                      {withRms(std::move(blade), -24.0), 1.0},
                      {withRms(std::move(hum), -28.0), 1.0}});
    });
}

Signal attitudeModeClick(AttitudeMode mode) {
    static const char* names[] = {"RcsattmodeOff", "RcsattmodeRot", "RcsattmodeTrans"};
    RandomSource random = RandomSource::forName(names[static_cast<int>(mode)]);
    Samples out = silence(cabinRateHz, 0.42);
    place(out, toggleSwitch(random), 0.0);
    switch (mode) {
    case AttitudeMode::off:
        place(out, beep(cabinRateHz, 880.0, 0.09), 0.08, 0.4);
        place(out, beep(cabinRateHz, 660.0, 0.12), 0.2, 0.4);
        break;
    case AttitudeMode::rotation:
        place(out, beep(cabinRateHz, 660.0, 0.09), 0.08, 0.4);
        place(out, beep(cabinRateHz, 880.0, 0.12), 0.2, 0.4);
        break;
    case AttitudeMode::translation:
        place(out, beep(cabinRateHz, 990.0, 0.07), 0.08, 0.4);
        place(out, beep(cabinRateHz, 990.0, 0.07), 0.19, 0.4);
        break;
    }
    return monoSignal(cabinRateHz, std::move(out));
}

Signal radarBip() {
    // One beep at the start of a one-second loop, silent at both ends so the seam cannot click.
    Samples out = silence(lowRateHz, 1.0);
    mixInto(out, beep(lowRateHz, 1250.0, 0.07), framesFor(0.005, lowRateHz));
    return monoSignal(lowRateHz, std::move(out));
}

Signal radarClose() {
    Samples out = silence(lowRateHz, 1.1);
    for (int pulse = 0; pulse < 4; ++pulse) {
        Samples tone = square(lowRateHz, framesFor(0.11, lowRateHz),
                              steadyHz(pulse % 2 == 0 ? 1600.0 : 2000.0));
        filterInPlace(tone, lowPass(lowRateHz, 4000.0, 0.7071));
        fadeEdges(tone, lowRateHz, 0.003, 0.01);
        mixInto(out, tone, framesFor(0.01 + 0.26 * pulse, lowRateHz), 0.5);
    }
    return monoSignal(lowRateHz, std::move(out));
}

Signal radioTune() {
    RandomSource random = RandomSource::forName("radiotune");
    const size_t frames = framesFor(0.9, cabinRateHz);
    Samples hiss = radioBandNoise(random, frames);
    // The beat note between carrier and receiver falls as the dial nears the channel.
    Samples whistle =
        sine(cabinRateHz, frames, glideHz(3000.0, 250.0, framesFor(0.6, cabinRateHz)));
    Samples whistleShape = adsrEnvelope(cabinRateHz, frames, {0.05, 0.2, 0.7, 0.1}, 0.6);
    applyEnvelope(whistle, whistleShape);
    Samples out =
        sumOf({{withRms(std::move(hiss), -18.0), 1.0}, {withRms(std::move(whistle), -20.0), 1.0}});
    // Locked on: the noise drops away to the quiet of a tuned channel.
    applyEnvelope(out, adsrEnvelope(cabinRateHz, frames, {0.02, 0.3, 0.8, 0.2}, 0.65));
    return monoSignal(cabinRateHz, std::move(out));
}

Signal radioStatic() {
    RandomSource random = RandomSource::forName("noise");
    const size_t frames = framesFor(1.2, cabinRateHz);
    Samples hiss = radioBandNoise(random, frames);
    modulateAmplitude(hiss, wanderingControl(random, frames, cabinRateHz, 12.0), 0.6);
    Samples pops =
        filtered(crackle(random, frames, cabinRateHz, 40.0), bandPass(cabinRateHz, 1500.0, 1.0));
    Samples out =
        sumOf({{withRms(std::move(hiss), -16.0), 1.0}, {withRms(std::move(pops), -20.0), 1.0}});
    fadeEdges(out, cabinRateHz, 0.02, 0.2);
    return monoSignal(cabinRateHz, std::move(out));
}

Signal cabinAmbience(int index) {
    using Maker = Samples (*)(RandomSource&);
    static const Maker makers[cabinAmbienceCount] = {hullCreak,    computerChirps, pumpCycle,
                                                     thermalPing,  fanSpin,        switchRow,
                                                     distantThump, ventSigh,       relayAndChime};
    if (index < 0 || index >= cabinAmbienceCount) {
        throw std::out_of_range("cabinAmbience: no ambience " + std::to_string(index));
    }
    RandomSource random = RandomSource::forName("ambient" + std::to_string(index));
    Samples out = makers[index](random);
    fadeEdges(out, cabinRateHz, 0.0, 0.05);
    return monoSignal(cabinRateHz, std::move(out));
}

} // namespace soundpack
