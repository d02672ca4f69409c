#include "soundpack/dsp/voice_effects.h"

#include "soundpack/dsp/biquad.h"
#include "soundpack/dsp/envelope.h"
#include "soundpack/dsp/levels.h"
#include "soundpack/dsp/mix.h"
#include "soundpack/dsp/noise.h"

namespace soundpack {

namespace {

Samples radioBand(Samples samples, int sampleRateHz) {
    for (int pass = 0; pass < 2; ++pass) {
        filterInPlace(samples, highPass(sampleRateHz, 300.0, 0.7071));
        filterInPlace(samples, lowPass(sampleRateHz, 3000.0, 0.7071));
    }
    filterInPlace(samples, peaking(sampleRateHz, 1700.0, 1.0, 4.0));
    return samples;
}

} // namespace

Samples squelchTail(int sampleRateHz, RandomSource& random) {
    Samples tail = radioBand(whiteNoise(random, framesFor(0.16, sampleRateHz)), sampleRateHz);
    applyEnvelope(tail, percussiveEnvelope(sampleRateHz, tail.size(), 0.004, 0.16));
    return withRms(std::move(tail), -14.0);
}

Samples overRadio(const Samples& speech, int sampleRateHz, RandomSource& random) {
    // Band-limited before the clipper and again after it, as a transmitter's audio chain is:
    // the clipping adds density, the second filter removes the harshness it would bring.
    Samples voice = radioBand(withRms(speech, -16.0), sampleRateHz);
    saturate(voice, 3.0);
    voice = withRms(radioBand(std::move(voice), sampleRateHz), -12.0);

    const double leadSeconds = 0.12;
    const size_t lead = framesFor(leadSeconds, sampleRateHz);
    Samples transmission(lead, 0.0f);
    mixInto(transmission, voice, lead);
    Samples tail = squelchTail(sampleRateHz, random);
    const size_t tailStart = transmission.size();
    mixInto(transmission, tail, tailStart);

    Samples hiss = radioBand(whiteNoise(random, tailStart), sampleRateHz);
    hiss = withRms(std::move(hiss), -31.0);
    fadeEdges(hiss, sampleRateHz, 0.01, 0.01);
    mixInto(transmission, hiss, 0);

    // The transmitter keying: one sharp, band-limited tick at the start of the carrier.
    Samples click(framesFor(0.01, sampleRateHz), 0.0f);
    click[0] = 1.0f;
    click = radioBand(std::move(click), sampleRateHz);
    mixInto(transmission, withRms(std::move(click), -20.0), 0);
    fadeEdges(transmission, sampleRateHz, 0.002, 0.01);
    return transmission;
}

Samples overCockpitSpeaker(const Samples& speech, int sampleRateHz) {
    // The amplifier's gentle clipping comes before the small speaker's band limits.
    Samples voice = speech;
    saturate(voice, 1.2);
    filterInPlace(voice, highPass(sampleRateHz, 200.0, 0.7071));
    filterInPlace(voice, lowPass(sampleRateHz, 5000.0, 0.7071));
    filterInPlace(voice, lowPass(sampleRateHz, 5000.0, 0.7071));
    filterInPlace(voice, peaking(sampleRateHz, 2500.0, 1.2, 3.0));
    return voice;
}

} // namespace soundpack
