#include "soundpack/dsp/reverb.h"

#include <array>

namespace soundpack {

namespace {

// Freeverb's tunings, at 44100 Hz; scaled to the signal's rate.
constexpr std::array<int, 8> combTuning = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<int, 4> allPassTuning = {556, 441, 341, 225};
constexpr int stereoSpread = 23;

class DampedComb {
public:
    DampedComb(size_t length, double feedback, double damping)
        : buffer_(length, 0.0f), feedback_(feedback), damping_(damping) {}

    float process(float in) {
        const float out = buffer_[index_];
        store_ = static_cast<float>(out * (1.0 - damping_) + store_ * damping_);
        buffer_[index_] = static_cast<float>(in + store_ * feedback_);
        index_ = (index_ + 1) % buffer_.size();
        return out;
    }

private:
    Samples buffer_;
    double feedback_;
    double damping_;
    float store_ = 0.0f;
    size_t index_ = 0;
};

class AllPass {
public:
    explicit AllPass(size_t length) : buffer_(length, 0.0f) {}

    float process(float in) {
        const float delayed = buffer_[index_];
        const float out = delayed - in;
        buffer_[index_] = in + delayed * 0.5f;
        index_ = (index_ + 1) % buffer_.size();
        return out;
    }

private:
    Samples buffer_;
    size_t index_ = 0;
};

Samples reverberate(const Samples& in, int sampleRateHz, const RoomShape& room, int spread) {
    const double scale = sampleRateHz / 44100.0;
    const double feedback = 0.7 + 0.28 * room.size;
    std::vector<DampedComb> combs;
    for (int tuning : combTuning) {
        combs.emplace_back(static_cast<size_t>((tuning + spread) * scale), feedback, room.damping);
    }
    std::vector<AllPass> allPasses;
    for (int tuning : allPassTuning) {
        allPasses.emplace_back(static_cast<size_t>((tuning + spread) * scale));
    }
    Samples out(in.size());
    for (size_t i = 0; i < in.size(); ++i) {
        const float input = in[i] * 0.015f;
        float sum = 0.0f;
        for (DampedComb& comb : combs) {
            sum += comb.process(input);
        }
        for (AllPass& allPass : allPasses) {
            sum = allPass.process(sum);
        }
        out[i] = sum;
    }
    return out;
}

} // namespace

void addRoom(Signal& signal, const RoomShape& room, double tailSeconds) {
    const size_t tail = framesFor(tailSeconds, signal.sampleRateHz);
    // A mono signal gets its room from the left delay set only, so it stays mono.
    for (size_t c = 0; c < signal.channels.size(); ++c) {
        Samples& channel = signal.channels[c];
        channel.resize(channel.size() + tail, 0.0f);
        const Samples wet =
            reverberate(channel, signal.sampleRateHz, room, c == 0 ? 0 : stereoSpread);
        for (size_t i = 0; i < channel.size(); ++i) {
            channel[i] = static_cast<float>(channel[i] + room.wet * wet[i]);
        }
    }
}

} // namespace soundpack
