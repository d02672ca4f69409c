// The stock sound switches an add-on sets for its vessel.
#pragma once

#include "shared/option_record.h"

#include <cstdint>

namespace zephyrin {

constexpr int firstSoundOption = 1;
constexpr int lastSoundOption = 24;

// The option record field of an add-on option id; null for an id without a field of its own.
int32_t OptionRecord::*optionFieldOf(int option);
// Stops the stock sounds of `option` at once, as when it is switched off.
void stopSoundsOfOption(int option);

} // namespace zephyrin
