#include "soundpack/recipes/music.h"

#include "soundpack/dsp/envelope.h"
#include "soundpack/dsp/levels.h"
#include "soundpack/dsp/mix.h"
#include "soundpack/dsp/reverb.h"
#include "soundpack/recipes/instruments.h"

#include <cmath>
#include <vector>

namespace soundpack {

namespace {

constexpr int rateHz = musicRateHz;

// A stereo bus on a beat grid: notes are placed by beat, panned and set in dB.
class Arrangement {
public:
    Arrangement(double beatsPerMinute, double beats)
        : secondsPerBeat_(60.0 / beatsPerMinute),
          left_(framesFor(beats * secondsPerBeat_ + 4.0, rateHz), 0.0f),
          right_(left_.size(), 0.0f) {}

    double beatSeconds(double beats) const { return beats * secondsPerBeat_; }

    void add(const Samples& note, double beat, double pan, double gainDb) {
        const double gain = decibelsToGain(gainDb);
        const size_t at = framesFor(beatSeconds(beat), rateHz);
        mixInto(left_, note, at, gain * std::sqrt(1.0 - pan));
        mixInto(right_, note, at, gain * std::sqrt(pan));
    }

    Signal master(const RoomShape& room, double endBeat) {
        Signal mix = stereoSignal(rateHz, left_, right_);
        for (Samples& channel : mix.channels) {
            channel.resize(framesFor(beatSeconds(endBeat), rateHz), 0.0f);
        }
        addRoom(mix, room, 3.0);
        for (Samples& channel : mix.channels) {
            fadeEdges(channel, rateHz, 0.05, 3.0);
        }
        levelTo(mix, {-14.0, 3.0});
        return mix;
    }

private:
    double secondsPerBeat_;
    Samples left_;
    Samples right_;
};

struct Chord {
    std::vector<int> notes; // MIDI, voiced around the third octave
    int bassNote;
};

void padAndBass(Arrangement& song, const std::vector<Chord>& progression, int bars,
                double beatsPerBar, double padDb, double bassDb) {
    for (int bar = 0; bar < bars; ++bar) {
        const Chord& chord = progression[bar % progression.size()];
        const double start = bar * beatsPerBar;
        const double padSeconds = song.beatSeconds(beatsPerBar) + 1.0;
        for (size_t n = 0; n < chord.notes.size(); ++n) {
            const double pan = 0.3 + 0.4 * static_cast<double>(n) / chord.notes.size();
            song.add(pad(rateHz, midiToHz(chord.notes[n] + 12), padSeconds), start, pan, padDb);
        }
        song.add(bass(rateHz, midiToHz(chord.bassNote), song.beatSeconds(2.5)), start, 0.5, bassDb);
        song.add(bass(rateHz, midiToHz(chord.bassNote), song.beatSeconds(1.4)), start + 2.5, 0.5,
                 bassDb - 2.0);
    }
}

} // namespace

Signal orbitDawn() {
    constexpr int bars = 12;
    constexpr double beatsPerBar = 4.0;
    Arrangement song(84.0, bars * beatsPerBar);
    const std::vector<Chord> progression = {{{50, 54, 57, 61}, 38},  // Dmaj7
                                            {{47, 50, 54, 57}, 35},  // Bm7
                                            {{43, 47, 50, 54}, 31},  // Gmaj7
                                            {{45, 50, 52, 57}, 33}}; // Asus4
    padAndBass(song, progression, bars, beatsPerBar, -20.0, -12.0);

    RandomSource random = RandomSource::forName("Orbit Dawn");
    for (int bar = 1; bar < bars; ++bar) {
        const Chord& chord = progression[bar % progression.size()];
        for (int eighth = 0; eighth < 8; ++eighth) {
            const int note =
                chord.notes[(eighth * 3) % chord.notes.size()] + (eighth < 4 ? 12 : 24);
            const double pan = 0.5 + 0.35 * std::sin(eighth * 0.8 + bar);
            song.add(pluck(rateHz, midiToHz(note), 1.2, random), bar * beatsPerBar + eighth * 0.5,
                     pan, -17.0 - 2.0 * (eighth % 2));
        }
    }
    for (int bar = 2; bar < bars - 1; ++bar) {
        for (int beat = 0; beat < 4; beat += 2) {
            song.add(kick(rateHz), bar * beatsPerBar + beat, 0.5, -9.0);
        }
    }
    for (int bar = 4; bar < bars - 1; ++bar) {
        for (int eighth = 0; eighth < 8; ++eighth) {
            song.add(hiHat(rateHz, random, eighth == 7), bar * beatsPerBar + eighth * 0.5, 0.35,
                     eighth % 2 == 1 ? -22.0 : -28.0);
        }
    }
    // The tune: a rising pentatonic phrase answered by a falling one, twice.
    const std::vector<std::pair<double, int>> tune = {
        {0.0, 74}, {1.0, 76}, {1.5, 78},  {2.0, 81},  {4.0, 78},  {5.0, 76},  {6.0, 74},
        {8.0, 71}, {9.0, 74}, {10.0, 76}, {12.0, 81}, {13.0, 78}, {14.0, 76}, {15.0, 74}};
    for (int phrase = 0; phrase < 2; ++phrase) {
        for (const auto& [beat, note] : tune) {
            song.add(bell(rateHz, midiToHz(note), 2.2), (4 + 4 * phrase) * beatsPerBar + beat, 0.65,
                     -15.0);
        }
    }
    return song.master({0.75, 0.4, 0.28}, bars * beatsPerBar + 2.0);
}

Signal lowGravity() {
    constexpr int bars = 10;
    constexpr double beatsPerBar = 4.0;
    Arrangement song(72.0, bars * beatsPerBar);
    const std::vector<Chord> progression = {{{45, 48, 52, 55, 59}, 33}, // Am9
                                            {{41, 45, 48, 52}, 29},     // Fmaj7
                                            {{48, 52, 55, 59}, 36},     // Cmaj7
                                            {{43, 47, 50, 52}, 31}};    // G6
    padAndBass(song, progression, bars, beatsPerBar, -19.0, -13.0);

    RandomSource random = RandomSource::forName("Low Gravity");
    // Bells drift over the chords in triplets, an octave apart.
    for (int bar = 1; bar < bars; ++bar) {
        const Chord& chord = progression[bar % progression.size()];
        for (int step = 0; step < 6; ++step) {
            const int note = chord.notes[(step * 2 + bar) % chord.notes.size()] + 24;
            song.add(bell(rateHz, midiToHz(note), 2.5), bar * beatsPerBar + step * (2.0 / 3.0),
                     step % 2 == 0 ? 0.3 : 0.7, -18.0 - (step % 3 == 0 ? 0.0 : 4.0));
        }
    }
    for (int bar = 2; bar < bars - 1; ++bar) {
        song.add(kick(rateHz), bar * beatsPerBar, 0.5, -12.0);
        for (int eighth = 0; eighth < 8; ++eighth) {
            song.add(hiHat(rateHz, random, false), bar * beatsPerBar + eighth * 0.5, 0.6,
                     eighth % 2 == 1 ? -25.0 : -31.0);
        }
    }
    const std::vector<std::pair<double, int>> melody = {
        {0.0, 76}, {2.0, 79},  {3.0, 81},  {4.0, 84},  {7.0, 81},
        {8.0, 79}, {10.0, 76}, {12.0, 74}, {14.0, 72}, {15.0, 69}};
    for (const auto& [beat, note] : melody) {
        song.add(pluck(rateHz, midiToHz(note), 2.0, random), 5 * beatsPerBar + beat, 0.45, -14.0);
    }
    return song.master({0.9, 0.5, 0.35}, bars * beatsPerBar + 2.0);
}

} // namespace soundpack
