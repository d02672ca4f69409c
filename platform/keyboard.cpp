// A key reads as down while the stand-in host holds it or the user does.
#include "keyboard.h"

#include "system.h"

namespace platform {

namespace {
constexpr int virtualKeyCount = 256;
constexpr int16_t keyDownBit = static_cast<int16_t>(0x8000);
bool heldByHost[virtualKeyCount];

bool isVirtualKey(int virtualKey) {
    return virtualKey >= 0 && virtualKey < virtualKeyCount;
}
} // namespace

int16_t asyncKeyState(int virtualKey) {
    if (!isVirtualKey(virtualKey)) {
        return 0;
    }
    return heldByHost[virtualKey] ? keyDownBit : system::asyncKeyState(virtualKey);
}

void setKeyDown(int virtualKey, bool down) {
    if (isVirtualKey(virtualKey)) {
        heldByHost[virtualKey] = down;
    }
}

} // namespace platform
