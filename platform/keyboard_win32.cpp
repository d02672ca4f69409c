// The user's keyboard and layout, as Windows reports them.
#include "keyboard.h"
#include "system.h"

#include <windows.h>

namespace platform {

int16_t system::asyncKeyState(int virtualKey) {
    return static_cast<int16_t>(::GetAsyncKeyState(virtualKey));
}

int16_t keyScan(char character) {
    return static_cast<int16_t>(::VkKeyScanA(character));
}

} // namespace platform
