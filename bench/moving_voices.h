// The workload of the render benchmarks: looping mono voices at 22050 Hz, each a sine of its own
// pitch with a cone, circling the listener as the plug-in moves its sounds, one move per
// simulation frame, while the listener drifts along z. Coordinates are DirectSound's (left-handed).
#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <numbers>
#include <vector>

namespace moving_voices {

constexpr uint32_t waveRateHz = 22050;
constexpr double framesPerSecond = 60.0;
constexpr float minDistanceMetres = 5.0f;
constexpr float maxDistanceMetres = 5000.0f;
constexpr uint32_t coneInsideDegrees = 60;
constexpr uint32_t coneOutsideDegrees = 240;
constexpr long coneOutsideVolumeMillibels = -1500;

struct Position {
    float x, y, z;
};

// One second of a sine: the voice's wave, looped.
inline std::vector<int16_t> voiceWave(size_t voice) {
    const double hertz = 110.0 + 7.0 * double(voice);
    std::vector<int16_t> samples(waveRateHz);
    for (size_t index = 0; index < samples.size(); ++index)
        samples[index] =
            int16_t(8000.0 * std::sin(2.0 * std::numbers::pi * hertz * double(index) / waveRateHz));
    return samples;
}

inline uint32_t voiceFrequencyHz(size_t voice) {
    return uint32_t(waveRateHz * (0.8 + 0.001 * double(voice)));
}

inline Position voicePosition(size_t voice, double simulatedSeconds) {
    const double angle = simulatedSeconds + double(voice);
    return {float(20.0 * std::cos(angle)), 2.0f, float(20.0 * std::sin(angle))};
}

inline Position listenerPosition(double simulatedSeconds) {
    return {0.0f, 0.0f, float(simulatedSeconds)};
}

} // namespace moving_voices
