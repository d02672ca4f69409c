#include "plugin/core/key_down.h"

#include "platform/keyboard.h"
#include "sdk/VoranthAPI.h"

#include <cstdint>

namespace zephyrin {

namespace {

constexpr int shiftNeeded = 1;
constexpr int ctrlNeeded = 2;
constexpr int altNeeded = 4;
constexpr unsigned char keyHeld = 0x80;

struct Modifier {
    int need;
    int leftScanCode;
    int rightScanCode;
};

constexpr Modifier modifiers[] = {
    {shiftNeeded, VRKEY_LSHIFT, VRKEY_RSHIFT},
    {ctrlNeeded, VRKEY_LCONTROL, VRKEY_RCONTROL},
    {altNeeded, VRKEY_LALT, VRKEY_RALT},
};

bool held(const char* keyState, int scanCode) {
    return (static_cast<unsigned char>(keyState[scanCode]) & keyHeld) != 0;
}

} // namespace

int KeyDown(char character, const char* keyState) {
    int16_t scan = platform::keyScan(character);
    if (scan == -1 || platform::asyncKeyState(scan & 0xFF) >= 0) {
        return 0;
    }
    int needs = (scan >> 8) & 0xFF;
    for (const Modifier& modifier : modifiers) {
        if ((needs & modifier.need) == 0) {
            continue;
        }
        if (keyState == nullptr ||
            !(held(keyState, modifier.leftScanCode) || held(keyState, modifier.rightScanCode))) {
            return 0;
        }
    }
    return 1;
}

} // namespace zephyrin
