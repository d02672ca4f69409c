// Keyframe tracks: values set at moments of the time line, linear in between.
#pragma once

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace vrhost {

// A value that is no number: the channel's automatic value ("auto" in a scenario).
inline const double automatic = std::numeric_limits<double>::quiet_NaN();
inline bool isAutomatic(double value) {
    return std::isnan(value);
}

struct Keyframe {
    double time = 0.0;
    std::vector<double> values;
};

enum class Interpolation { Linear, Step };

class Track {
public:
    explicit Track(Interpolation interpolation = Interpolation::Linear)
        : interpolation_(interpolation) {}

    // Keyframes may come in any order; one at the time of an earlier one replaces it.
    void add(double time, std::vector<double> values);

    // Nothing before the first keyframe, which leaves the channel as it was; from there on each
    // value runs linearly to the next keyframe's (a step track, or an automatic value at either
    // end, holds instead), and the last keyframe's values hold after it.
    std::optional<std::vector<double>> valueAt(double time) const;
    const std::vector<Keyframe>& keyframes() const { return keyframes_; }

private:
    Interpolation interpolation_;
    std::vector<Keyframe> keyframes_;
};

} // namespace vrhost
