// Whole numbers of the sound rules from the host's doubles. The host may report any value
// (an airspeed of 1e12 after a glitch, NaN from a vessel without air data), so the truncation
// toward zero saturates at the int32 range instead of leaving the result undefined.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace zephyrin {

inline int32_t truncateSaturated(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    constexpr double lowest = std::numeric_limits<int32_t>::min();
    constexpr double highest = std::numeric_limits<int32_t>::max();
    if (value <= lowest) {
        return std::numeric_limits<int32_t>::min();
    }
    if (value >= highest) {
        return std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(value);
}

inline int32_t saturate(int64_t value) {
    if (value < std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::min();
    }
    if (value > std::numeric_limits<int32_t>::max()) {
        return std::numeric_limits<int32_t>::max();
    }
    return static_cast<int32_t>(value);
}

} // namespace zephyrin
