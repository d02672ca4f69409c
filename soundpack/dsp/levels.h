// Levels of the pack: every file peaks just under full scale and sits at the loudness its
// sound-design row asks for, so the plug-in's default volumes give a balanced mix.
#pragma once

#include "soundpack/dsp/signal.h"

namespace soundpack {

// The samples scaled to the given RMS level in dBFS: layers are designed by their relative level.
Samples withRms(Samples samples, double rmsDb);

// Highest absolute sample over all channels, as a gain (1.0 = full scale).
double peakOf(const Signal& signal);

// Loudest RMS over 400 ms windows (the whole sound when shorter), in dBFS; -inf for silence.
// Windows step by 100 ms, so a single click does not count as a loud sound.
double momentaryLoudnessDb(const Signal& signal);

inline constexpr double packCeilingDb = -1.0;

struct LevelTarget {
    double loudnessDb;    // momentary loudness to reach
    double maxLimitingDb; // the most the peaks may be squeezed to get there
};

// Gain to the target loudness, bounded so that the peaks exceed the ceiling by at most
// maxLimitingDb, then a look-ahead limiter holds every peak under packCeilingDb.
void levelTo(Signal& signal, const LevelTarget& target);

// Look-ahead peak limiter: no sample of any channel exceeds `ceiling` (a gain); the gain falls
// over `lookAheadSeconds` before a peak and recovers over `releaseSeconds`.
void limitPeaks(Signal& signal, double ceiling, double lookAheadSeconds, double releaseSeconds);

} // namespace soundpack
