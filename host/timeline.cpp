#include "host/timeline.h"

#include <algorithm>

namespace vrhost {

void Track::add(double time, std::vector<double> values) {
    auto position = std::lower_bound(keyframes_.begin(), keyframes_.end(), time,
                                     [](const Keyframe& k, double t) { return k.time < t; });
    if (position != keyframes_.end() && position->time == time) {
        position->values = std::move(values);
        return;
    }
    keyframes_.insert(position, Keyframe{time, std::move(values)});
}

std::optional<std::vector<double>> Track::valueAt(double time) const {
    auto next = std::upper_bound(keyframes_.begin(), keyframes_.end(), time,
                                 [](double t, const Keyframe& k) { return t < k.time; });
    if (next == keyframes_.begin()) {
        return std::nullopt;
    }
    const Keyframe& before = *(next - 1);
    if (next == keyframes_.end() || interpolation_ == Interpolation::Step) {
        return before.values;
    }
    const Keyframe& after = *next;
    double fraction = (time - before.time) / (after.time - before.time);
    std::vector<double> values = before.values;
    for (size_t i = 0; i < values.size() && i < after.values.size(); ++i) {
        if (!isAutomatic(values[i]) && !isAutomatic(after.values[i])) {
            values[i] += (after.values[i] - values[i]) * fraction;
        }
    }
    return values;
}

} // namespace vrhost
