// Key state of the platform (GetAsyncKeyState, VkKeyScanA) on a US keyboard layout.
#pragma once

#include <cstdint>

namespace platform {

// Bit 15 set (a negative value) while the virtual key is held down.
int16_t asyncKeyState(int virtualKey);

// Low byte: the virtual key of the character; high byte: 1 Shift, 2 Ctrl, 4 Alt needed;
// -1 when no key types it.
int16_t keyScan(char character);

// The stand-in host reports the keys it holds down.
void setKeyDown(int virtualKey, bool down);

} // namespace platform
