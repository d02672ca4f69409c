// Second-order filters after Robert Bristow-Johnson's audio EQ cookbook.
#pragma once

#include "soundpack/dsp/signal.h"

#include <functional>

namespace soundpack {

struct BiquadCoefficients {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
};

BiquadCoefficients lowPass(int sampleRateHz, double cutoffHz, double q);
BiquadCoefficients highPass(int sampleRateHz, double cutoffHz, double q);
// Band-pass with 0 dB gain at the centre.
BiquadCoefficients bandPass(int sampleRateHz, double centreHz, double q);
BiquadCoefficients peaking(int sampleRateHz, double centreHz, double q, double gainDb);
BiquadCoefficients lowShelf(int sampleRateHz, double cornerHz, double gainDb);
BiquadCoefficients highShelf(int sampleRateHz, double cornerHz, double gainDb);

// Transposed direct form II; keeps its state between samples.
class Biquad {
public:
    explicit Biquad(const BiquadCoefficients& coefficients) : c_(coefficients) {}

    void setCoefficients(const BiquadCoefficients& coefficients) { c_ = coefficients; }

    float process(float in) {
        const double out = c_.b0 * in + z1_;
        z1_ = c_.b1 * in - c_.a1 * out + z2_;
        z2_ = c_.b2 * in - c_.a2 * out;
        return static_cast<float>(out);
    }

private:
    BiquadCoefficients c_;
    double z1_ = 0.0;
    double z2_ = 0.0;
};

void filterInPlace(Samples& samples, const BiquadCoefficients& coefficients);
Samples filtered(Samples samples, const BiquadCoefficients& coefficients);

// A band-pass whose centre follows `centreHzAt(frame)`, re-tuned every 32 frames: wind gusts,
// sweeping whistles.
Samples sweptBandPass(const Samples& in, int sampleRateHz, double q,
                      const std::function<double(size_t)>& centreHzAt);

} // namespace soundpack
