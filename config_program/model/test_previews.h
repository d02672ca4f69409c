// What each Test button of the dialog plays: its files, the row's volume field and the cycles
// that advance from press to press.
#pragma once

#include "shared/option_record.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tunedesk {

inline constexpr const char* introSound = "sound\\cfg\\Zp.tpc";
inline constexpr const char* noIntroSwitch = "Sound\\Cfg\\nointro.txt";
inline constexpr const char* dockingSound = "sound\\vessel\\docking.wav";
inline constexpr const char* dockingRadioSound = "sound\\vessel\\docking_radio.wav";

// Every preview file the dialog loads at start, the intro first.
std::span<const char* const> previewFiles();

bool isTestButton(int id);

struct TestPlay {
    std::vector<const char*> files; // played together, once
    int32_t OptionRecord::*volume = nullptr;
    bool followWithDockingRadio = false;
};

// The cycles of the Test buttons, each at its start when the dialog opens.
class TestCycles {
public:
    // What a press of a Test button plays; advances that button's cycle.
    TestPlay press(int testButton);

private:
    int cabinAmbience_ = 0;
    int gpwsCallout_ = 0;
    bool attitudeTranslationNext_ = false;
    bool crashNext_ = false;
};

} // namespace tunedesk
