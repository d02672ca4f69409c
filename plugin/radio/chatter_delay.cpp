#include "plugin/radio/chatter_delay.h"

#include "plugin/behaviour/frame_state.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/random.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace zephyrin {

namespace {

constexpr double metresPerKilometre = 1000.0;

// The product, truncated toward zero, held inside the 32 bits the draw takes.
uint32_t scaledDelay(int32_t delay, float factor) {
    double product = std::trunc(static_cast<double>(delay) * static_cast<double>(factor));
    if (std::isnan(product)) {
        product = 0;
    }
    product = std::clamp(product, static_cast<double>(std::numeric_limits<int32_t>::min()),
                         static_cast<double>(std::numeric_limits<int32_t>::max()));
    return static_cast<uint32_t>(static_cast<int32_t>(product));
}

} // namespace

double ChatterDelay() {
    uint32_t delay;
    if (liveOptions.ATCDELAYMULTIPLY != 0 &&
        frame.altitude > liveOptions.ATCDELAYDISTANCEKM * metresPerKilometre) {
        delay = RandomInRange(scaledDelay(liveOptions.ATCMINDELAY, liveOptions.ATCDELAYFACTOR),
                              scaledDelay(liveOptions.ATCMAXDELAY, liveOptions.ATCDELAYFACTOR));
    } else {
        delay = RandomInRange(static_cast<uint32_t>(liveOptions.ATCMINDELAY),
                              static_cast<uint32_t>(liveOptions.ATCMAXDELAY));
    }
    return static_cast<double>(delay);
}

} // namespace zephyrin
