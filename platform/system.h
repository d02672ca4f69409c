// What each operating system's files supply beneath the platform services that all systems
// share: the raw clocks, the machine's own keyboard and the executable's path. The shared layer
// adds the host's simulated clock, pinned date, held keys and path override on top.
#pragma once

#include <cstdint>
#include <ctime>
#include <string>

namespace platform::system {

uint32_t tickCountMs();
int64_t counter();
int64_t counterFrequency();
std::tm localNow();

// Bit 15 set while the user holds the virtual key down on the machine's keyboard.
int16_t asyncKeyState(int virtualKey);

std::string executablePath();

} // namespace platform::system
