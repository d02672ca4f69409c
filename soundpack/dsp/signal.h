// Sample buffers of the generator: one channel is a vector of floats in -1..1 at a known rate.
#pragma once

#include <cstddef>
#include <vector>

namespace soundpack {

using Samples = std::vector<float>;

// The recording rates the plug-in's playback rules assume: 11025 Hz for the hover, retro and aux
// engines, the attitude jets and the radar, 22050 Hz for every other sound; music is CD rate.
constexpr int lowRateHz = 11025;
constexpr int standardRateHz = 22050;
constexpr int musicRateHz = 44100;

inline size_t framesFor(double seconds, int rateHz) {
    return static_cast<size_t>(seconds * rateHz + 0.5);
}

// One sound ready to be written: one channel (mono) or two (left, right).
struct Signal {
    int sampleRateHz = standardRateHz;
    std::vector<Samples> channels;

    size_t frames() const { return channels.empty() ? 0 : channels.front().size(); }
    double seconds() const { return static_cast<double>(frames()) / sampleRateHz; }
};

inline Signal monoSignal(int rateHz, Samples samples) {
    return Signal{rateHz, {std::move(samples)}};
}

inline Signal stereoSignal(int rateHz, Samples left, Samples right) {
    return Signal{rateHz, {std::move(left), std::move(right)}};
}

} // namespace soundpack
