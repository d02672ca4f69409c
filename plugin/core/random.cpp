#include "plugin/core/random.h"

namespace zephyrin {

namespace {
uint32_t generatorState = 1;
constexpr uint32_t multiplier = 214013;
constexpr uint32_t increment = 2531011;
constexpr uint32_t largestDraw = 32767;
} // namespace

void seedRandom(uint32_t seed) {
    generatorState = seed;
}

int drawRandom() {
    generatorState = generatorState * multiplier + increment;
    return static_cast<int>((generatorState >> 16) & largestDraw);
}

uint32_t RandomInRange(uint32_t a, uint32_t b) {
    uint32_t r = static_cast<uint32_t>(drawRandom());
    return a + (r * (b - a)) / largestDraw;
}

} // namespace zephyrin
