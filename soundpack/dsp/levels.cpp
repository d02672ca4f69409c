#include "soundpack/dsp/levels.h"

#include "soundpack/dsp/mix.h"

#include <algorithm>
#include <cmath>
#include <deque>
#include <limits>

namespace soundpack {

Samples withRms(Samples samples, double rmsDb) {
    double sumSquares = 0.0;
    for (float sample : samples) {
        sumSquares += static_cast<double>(sample) * sample;
    }
    if (samples.empty() || sumSquares <= 0.0) {
        return samples;
    }
    const double rms = std::sqrt(sumSquares / static_cast<double>(samples.size()));
    return scaled(std::move(samples), decibelsToGain(rmsDb) / rms);
}

double peakOf(const Signal& signal) {
    double peak = 0.0;
    for (const Samples& channel : signal.channels) {
        for (float sample : channel) {
            peak = std::max(peak, static_cast<double>(std::fabs(sample)));
        }
    }
    return peak;
}

double momentaryLoudnessDb(const Signal& signal) {
    const size_t frames = signal.frames();
    if (frames == 0 || signal.channels.empty()) {
        return -std::numeric_limits<double>::infinity();
    }
    const size_t window = std::min(frames, framesFor(0.4, signal.sampleRateHz));
    const size_t hop = std::max<size_t>(1, framesFor(0.1, signal.sampleRateHz));
    std::vector<double> energy(frames, 0.0);
    for (const Samples& channel : signal.channels) {
        for (size_t i = 0; i < frames; ++i) {
            energy[i] += static_cast<double>(channel[i]) * channel[i];
        }
    }
    std::vector<double> prefix(frames + 1, 0.0);
    for (size_t i = 0; i < frames; ++i) {
        prefix[i + 1] = prefix[i] + energy[i];
    }
    double loudest = 0.0;
    for (size_t start = 0; start + window <= frames; start += hop) {
        loudest = std::max(loudest, prefix[start + window] - prefix[start]);
    }
    const double meanSquare = loudest / (static_cast<double>(window) * signal.channels.size());
    if (meanSquare <= 0.0) {
        return -std::numeric_limits<double>::infinity();
    }
    return 10.0 * std::log10(meanSquare);
}

void levelTo(Signal& signal, const LevelTarget& target) {
    const double peak = peakOf(signal);
    const double loudness = momentaryLoudnessDb(signal);
    if (peak <= 0.0 || !std::isfinite(loudness)) {
        return;
    }
    const double ceiling = decibelsToGain(packCeilingDb);
    const double loudnessGain = decibelsToGain(target.loudnessDb - loudness);
    const double peakBound = ceiling / peak * decibelsToGain(target.maxLimitingDb);
    const double gain = std::min(loudnessGain, peakBound);
    for (Samples& channel : signal.channels) {
        channel = scaled(std::move(channel), gain);
    }
    limitPeaks(signal, ceiling, 0.002, 0.08);
}

void limitPeaks(Signal& signal, double ceiling, double lookAheadSeconds, double releaseSeconds) {
    const size_t frames = signal.frames();
    if (frames == 0) {
        return;
    }
    // Gain each frame needs on its own.
    std::vector<double> needed(frames, 1.0);
    for (const Samples& channel : signal.channels) {
        for (size_t i = 0; i < frames; ++i) {
            const double magnitude = std::fabs(channel[i]);
            if (magnitude > ceiling) {
                needed[i] = std::min(needed[i], ceiling / magnitude);
            }
        }
    }
    // Minimum over the next `width` frames, then the mean over the previous `width` frames: every
    // averaged value is at most the need of the frame, so no peak gets through, and the gain
    // moves smoothly into each peak.
    const size_t width = std::max<size_t>(1, framesFor(lookAheadSeconds, signal.sampleRateHz));
    std::vector<double> ahead(frames);
    std::deque<size_t> window;
    for (size_t i = frames; i-- > 0;) {
        while (!window.empty() && needed[window.back()] >= needed[i]) {
            window.pop_back();
        }
        window.push_back(i);
        while (window.front() >= i + width) {
            window.pop_front();
        }
        ahead[i] = needed[window.front()];
    }
    std::vector<double> gain(frames);
    double sum = 0.0;
    for (size_t i = 0; i < frames; ++i) {
        sum += ahead[i];
        if (i >= width) {
            sum -= ahead[i - width];
        }
        gain[i] = sum / static_cast<double>(std::min(i + 1, width));
        gain[i] = std::min(gain[i], needed[i]);
    }
    // Slow recovery, never above what the frame allows.
    const double recovery = 1.0 - std::exp(-1.0 / (releaseSeconds * signal.sampleRateHz));
    double current = gain[0];
    for (size_t i = 0; i < frames; ++i) {
        current = std::min(gain[i], current + (1.0 - current) * recovery);
        for (Samples& channel : signal.channels) {
            channel[i] = static_cast<float>(channel[i] * current);
        }
    }
}

} // namespace soundpack
