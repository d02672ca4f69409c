#include "soundpack/dsp/loop.h"

#include <cmath>
#include <stdexcept>

namespace soundpack {

Samples seamlessLoop(const Samples& source, size_t loopFrames, size_t crossfadeFrames) {
    if (crossfadeFrames > loopFrames || source.size() < loopFrames + crossfadeFrames) {
        throw std::invalid_argument("seamlessLoop: the source is too short for its crossfade");
    }
    constexpr double halfPi = 1.5707963267948966;
    Samples loop(source.begin(), source.begin() + static_cast<std::ptrdiff_t>(loopFrames));
    for (size_t i = 0; i < crossfadeFrames; ++i) {
        // At i = 0 the loop's first sample is the sample that followed its last one in the
        // source; by the end of the fade the head is the source's own head again.
        const double position =
            (static_cast<double>(i) + 0.5) / static_cast<double>(crossfadeFrames);
        const double headGain = std::sin(halfPi * position);
        const double tailGain = std::cos(halfPi * position);
        loop[i] = static_cast<float>(headGain * source[i] + tailGain * source[loopFrames + i]);
    }
    return loop;
}

void makeSeamless(Signal& signal, double loopSeconds, double crossfadeSeconds) {
    const size_t loopFrames = framesFor(loopSeconds, signal.sampleRateHz);
    const size_t crossfadeFrames = framesFor(crossfadeSeconds, signal.sampleRateHz);
    for (Samples& channel : signal.channels) {
        channel = seamlessLoop(channel, loopFrames, crossfadeFrames);
    }
}

} // namespace soundpack
