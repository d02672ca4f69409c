#include "soundpack/recipes/voices.h"

#include "soundpack/dsp/biquad.h"
#include "soundpack/dsp/envelope.h"
#include "soundpack/dsp/mix.h"
#include "soundpack/dsp/noise.h"
#include "soundpack/dsp/oscillator.h"
#include "soundpack/dsp/reverb.h"
#include "soundpack/dsp/voice_effects.h"
#include "soundpack/recipes/instruments.h"

#include <cmath>
#include <iterator>
#include <stdexcept>

namespace soundpack {

namespace {

constexpr int voiceRateHz = standardRateHz;

const char* numberWords[] = {"zero", "one",   "two",   "three", "four", "five",
                             "six",  "seven", "eight", "nine",  "ten"};

// A voice in a small room, for sounds that play straight to the user rather than over a radio.
Signal inRoom(Samples dry, double wet) {
    Signal signal = monoSignal(voiceRateHz, std::move(dry));
    addRoom(signal, {0.4, 0.5, wet}, 0.6);
    fadeEdges(signal.channels.front(), voiceRateHz, 0.0, 0.3);
    return signal;
}

// Notes played on the bell, each (beat, MIDI note), at `beatSeconds` per beat.
Samples bellTune(const std::vector<std::pair<double, int>>& notes, double beatSeconds,
                 double ringSeconds) {
    Samples out;
    for (const auto& [beat, note] : notes) {
        mixInto(out, bell(voiceRateHz, midiToHz(note), ringSeconds),
                framesFor(beat * beatSeconds, voiceRateHz), 0.3);
    }
    return out;
}

Samples sleighBells(RandomSource& random, double seconds) {
    Samples out;
    for (double at = 0.0; at < seconds; at += 0.25) {
        Samples shake = filtered(whiteNoise(random, framesFor(0.12, voiceRateHz)),
                                 bandPass(voiceRateHz, 6500.0, 3.0));
        applyEnvelope(shake, percussiveEnvelope(voiceRateHz, shake.size(), 0.004, 0.1));
        mixInto(out, shake, framesFor(at, voiceRateHz), 0.6);
    }
    return out;
}

Samples glassClink() {
    return modalRing(voiceRateHz, 1.5,
                     {{2480.0, 1.0, 1.3}, {5860.0, 0.5, 0.8}, {4130.0, 0.3, 1.0}});
}

Samples fireworkBurst(RandomSource& random) {
    const size_t frames = framesFor(1.2, voiceRateHz);
    Samples boom = filtered(brownNoise(random, frames), lowPass(voiceRateHz, 400.0, 0.7071));
    applyEnvelope(boom, percussiveEnvelope(voiceRateHz, frames, 0.002, 0.6));
    Samples sparkle = filtered(crackle(random, frames, voiceRateHz, 300.0),
                               highPass(voiceRateHz, 2500.0, 0.7071));
    Samples sparkleShape = adsrEnvelope(voiceRateHz, frames, {0.2, 0.3, 0.6, 0.6}, 0.6);
    applyEnvelope(sparkle, sparkleShape);
    return sumOf({{boom, 3.0}, {sparkle, 0.8}});
}

} // namespace

Signal gpwsCallout(Studio& studio, const std::string& words) {
    return monoSignal(voiceRateHz,
                      overCockpitSpeaker(studio.speech.speak(cast::gpws, words), voiceRateHz));
}

Signal countdown(Studio& studio, const Voice& voice, int from, const std::string& finale) {
    if (from < 1 || from >= static_cast<int>(std::size(numberWords))) {
        throw std::out_of_range("countdown: counts start between one and ten, not " +
                                std::to_string(from));
    }
    Samples count;
    for (int number = from; number >= 1; --number) {
        mixInto(count, studio.speech.speak(voice, numberWords[number]),
                framesFor(from - number, voiceRateHz));
    }
    mixInto(count, studio.speech.speak(voice, finale), framesFor(from, voiceRateHz));
    RandomSource random = RandomSource::forName("countdown " + finale + std::to_string(from));
    return monoSignal(voiceRateHz, overRadio(count, voiceRateHz, random));
}

Signal radioCall(Studio& studio, const Voice& voice, const std::string& words,
                 const std::string& name) {
    RandomSource random = RandomSource::forName(name);
    return monoSignal(voiceRateHz,
                      overRadio(studio.speech.speak(voice, words), voiceRateHz, random));
}

Signal radioExchange(Studio& studio, const std::vector<RadioLine>& lines, const std::string& name) {
    RandomSource random = RandomSource::forName(name);
    Samples exchange;
    for (const RadioLine& line : lines) {
        const Samples transmission =
            overRadio(studio.speech.speak(line.voice, line.words), voiceRateHz, random);
        exchange =
            exchange.empty() ? transmission : joined(exchange, transmission, voiceRateHz, 0.45);
    }
    return monoSignal(voiceRateHz, std::move(exchange));
}

Signal welcome(Studio& studio) {
    Samples out = bellTune({{0, 74}, {0.5, 78}, {1, 81}, {1.5, 86}}, 0.18, 1.6);
    mixInto(out,
            studio.speech.speak(cast::host,
                                "Welcome to Zephyrin four point oh. Three D sound for Voranth."),
            framesFor(0.9, voiceRateHz));
    return inRoom(std::move(out), 0.25);
}

Signal christmasGreeting(Studio& studio) {
    // The chorus of "Jingle Bells", on bells over sleigh bells.
    const std::vector<std::pair<double, int>> chorus = {
        {0, 76},    {1, 76},  {2, 76},    {4, 76},  {5, 76},  {6, 76},    {8, 76},
        {9, 79},    {10, 72}, {11.5, 74}, {12, 76}, {16, 77}, {17, 77},   {18, 77},
        {19.5, 77}, {20, 77}, {21, 76},   {22, 76}, {23, 76}, {23.5, 76}, {24, 76},
        {25, 74},   {26, 74}, {27, 76},   {28, 74}, {30, 79}};
    constexpr double beatSeconds = 0.22;
    Samples out = bellTune(chorus, beatSeconds, 1.2);
    RandomSource random = RandomSource::forName("jbls");
    mixInto(out, sleighBells(random, 32 * beatSeconds), 0, 0.5);
    mixInto(out, studio.speech.speak(cast::host, "Merry Christmas from Zephyrin!"),
            framesFor(32 * beatSeconds + 0.3, voiceRateHz));
    return inRoom(std::move(out), 0.3);
}

Signal newYearsEveGreeting(Studio& studio) {
    Samples out = glassClink();
    mixInto(out, glassClink(), framesFor(0.18, voiceRateHz), 0.8);
    mixInto(out,
            studio.speech.speak(cast::host, "Happy New Year's Eve! Don't drink too much tonight."),
            framesFor(0.9, voiceRateHz));
    return inRoom(std::move(out), 0.3);
}

Signal newYearGreeting(Studio& studio) {
    // A short fanfare: G, C, E, then the C major chord held.
    Samples out;
    const std::vector<std::pair<double, int>> fanfare = {{0.0, 67}, {0.18, 72}, {0.36, 76}};
    for (const auto& [at, note] : fanfare) {
        mixInto(out, brass(voiceRateHz, midiToHz(note), 0.25), framesFor(at, voiceRateHz), 0.3);
    }
    for (int note : {60, 64, 67, 72}) {
        mixInto(out, brass(voiceRateHz, midiToHz(note), 1.2), framesFor(0.6, voiceRateHz), 0.2);
    }
    RandomSource random = RandomSource::forName("ny1");
    for (double at : {1.6, 2.3, 2.7, 3.6}) {
        mixInto(out, fireworkBurst(random), framesFor(at, voiceRateHz), 0.5);
    }
    mixInto(out, studio.speech.speak(cast::host, "Happy New Year from Zephyrin!"),
            framesFor(2.0, voiceRateHz));
    return inRoom(std::move(out), 0.3);
}

Signal configurationIntro(Studio& studio) {
    Samples out = bellTune({{0, 69}, {1, 76}, {2, 81}, {3, 85}, {3, 88}}, 0.15, 1.8);
    mixInto(out, studio.speech.speak(cast::host, "Zephyrin. Sound configuration."),
            framesFor(0.8, voiceRateHz));
    return inRoom(std::move(out), 0.3);
}

} // namespace soundpack
