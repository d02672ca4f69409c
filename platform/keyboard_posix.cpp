// The keyboard of a process without one of its own: only the host's keys are ever down, and
// characters map to keys as on the US layout.
#include "keyboard.h"
#include "system.h"

#include <cstring>

namespace platform {

namespace {
constexpr int16_t shiftNeeded = 0x0100;

// Virtual keys of the US layout's punctuation (VK_OEM_*), unshifted and shifted.
struct PunctuationKey {
    char plain;
    char shifted;
    uint8_t virtualKey;
};
constexpr PunctuationKey punctuationKeys[] = {
    {';', ':', 0xBA},  {'=', '+', 0xBB}, {',', '<', 0xBC},  {'-', '_', 0xBD},
    {'.', '>', 0xBE},  {'/', '?', 0xBF}, {'`', '~', 0xC0},  {'[', '{', 0xDB},
    {'\\', '|', 0xDC}, {']', '}', 0xDD}, {'\'', '"', 0xDE},
};
constexpr char shiftedDigits[] = ")!@#$%^&*(";
} // namespace

int16_t system::asyncKeyState(int) {
    return 0;
}

int16_t keyScan(char character) {
    if (character >= 'a' && character <= 'z') {
        return static_cast<int16_t>(character - 'a' + 'A');
    }
    if (character >= 'A' && character <= 'Z') {
        return static_cast<int16_t>(shiftNeeded | character);
    }
    if (character >= '0' && character <= '9') {
        return static_cast<int16_t>(character);
    }
    if (character == ' ' || character == '\r' || character == '\t' || character == '\b') {
        return static_cast<int16_t>(character == '\r' ? 0x0D : character);
    }
    if (const char* digit = std::strchr(shiftedDigits, character); digit != nullptr && character) {
        return static_cast<int16_t>(shiftNeeded | ('0' + (digit - shiftedDigits)));
    }
    for (const PunctuationKey& key : punctuationKeys) {
        if (character == key.plain) {
            return key.virtualKey;
        }
        if (character == key.shifted) {
            return static_cast<int16_t>(shiftNeeded | key.virtualKey);
        }
    }
    return -1;
}

} // namespace platform
