// The plug-in's one random generator; the shuffle, the radio and the positions depend on its
// exact sequence.
#pragma once

#include <cstdint>

namespace zephyrin {

void seedRandom(uint32_t seed);

// The next value 0..32767.
int drawRandom();

// a + r × (b − a) ÷ 32767 in unsigned 32-bit arithmetic: b only when r is 32767.
uint32_t RandomInRange(uint32_t a, uint32_t b);

} // namespace zephyrin
