// The display object, its buttons and its keys.
#include "plugin/radio/radio_display.h"

#include "plugin/addon/vessel_table.h"
#include "plugin/behaviour/callouts.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/radio/mp3_player.h"
#include "plugin/radio/radio_controls.h"
#include "plugin/radio/radio_state.h"

#include <algorithm>
#include <new>

namespace zephyrin {

namespace {

// Keyboard scan codes of the display's keys.
enum DisplayKey : DWORD {
    KeyMute = 0x32,
    KeyVolume = 0x2F,
    KeyFrequency = 0x21,
    KeySwap = 0x1F,
    KeyList = 0x20,
    KeyRadar = 0x13,
    KeyPrevious = 0x19,
    KeyNext = 0x31,
    KeyStartStop = 0x04,
    KeyMode = 0x25,
    KeyPageForward = 0x12,
    KeyPageBack = 0x30,
};

constexpr int buttonCount = 12;
constexpr int labelledButtons = 10;
constexpr int lastListPage = 5;
constexpr int buttonPressEvent = 1;
constexpr int radarOn = 2;
constexpr int inputVisibleLength = 15;
constexpr DWORD fontDivisor = 19;

constexpr DWORD buttonKeys[buttonCount] = {KeyMute,      KeyVolume, KeyFrequency,   KeySwap,
                                           KeyList,      KeyRadar,  KeyPrevious,    KeyNext,
                                           KeyStartStop, KeyMode,   KeyPageForward, KeyPageBack};

char buttonLabels[labelledButtons][4] = {"MUT", "VOL", "FRQ", "SWP", "LST",
                                         "RAD", "PRV", "NXT", "OI",  "MOD"};

const MFDBUTTONMENU buttonMenu[buttonCount] = {{"Mute radio", nullptr, 'M'},
                                               {"Set radio volume", nullptr, 'V'},
                                               {"Choose frequency", nullptr, 'F'},
                                               {"Swap frequency", nullptr, 'S'},
                                               {"Display list", nullptr, 'D'},
                                               {"Radar mode", nullptr, 'R'},
                                               {"Previous MP3", nullptr, 'P'},
                                               {"Next MP3", nullptr, 'N'},
                                               {"start/stop MP3", nullptr, '3'},
                                               {"MP3 mode", nullptr, 'K'},
                                               {nullptr, nullptr, 'E'},
                                               {nullptr, nullptr, 'B'}};

bool takeStandbyFrequency(void*, char* text, void*) {
    return SetStandbyFrequency(text);
}

void setFocusRadarBeeps(int on) {
    liveOptions.PLAYRADARBIP = on;
    if (run.currentVesselIndex >= 0 && run.currentVesselIndex <= LEGACY_SOUND_ID) {
        vesselTable[run.currentVesselIndex].settings.PLAYRADARBIP = on;
    }
}

void switchRadar() {
    if (radio.radarState != 0) {
        radio.radarState = 0;
        setFocusRadarBeeps(0);
        callouts.radarTargetKind = 0;
        stopSlot(stockSlot(RadarBip));
        stopSlot(stockSlot(RadarClose));
    } else {
        setFocusRadarBeeps(1);
        radio.radarState = radarOn;
        callouts.radarTargetKind = radarOn;
    }
}

} // namespace

RadioMFD::RadioMFD(DWORD width, DWORD height, VESSEL* vessel)
    : MFD2(width, height, vessel),
      font_(vrapiCreateFont(static_cast<int>(width / fontDivisor), true, "Sans", FONT_NORMAL)) {}

RadioMFD::~RadioMFD() {
    if (font_ != nullptr) {
        vrapiReleaseFont(font_);
    }
}

bool RadioMFD::ConsumeKeyBuffered(DWORD key) {
    Mp3Player* player = plugin.mp3Player;
    switch (key) {
    case KeyMute:
        ToggleMute();
        return true;
    case KeyVolume:
        StepVolumeLevel();
        return true;
    case KeyFrequency:
        vrapiOpenInputBox("Enter frequency (format: xxx.xxx)", takeStandbyFrequency, nullptr,
                          inputVisibleLength, this);
        return true;
    case KeySwap:
        SwapFrequencies();
        return true;
    case KeyList:
        radio.frequencyListShown = radio.frequencyListShown == 0 ? 1 : 0;
        if (radio.frequencyListShown == 1) {
            radio.frequencyListPage = 0;
        }
        return true;
    case KeyRadar:
        switchRadar();
        return true;
    case KeyPrevious:
        if (player != nullptr) {
            player->PreviousTrack();
        }
        return true;
    case KeyNext:
        if (player != nullptr) {
            player->NextTrack();
        }
        return true;
    case KeyStartStop:
        if (player != nullptr) {
            player->ToggleStartStop();
        }
        return true;
    case KeyMode:
        if (player != nullptr) {
            player->CycleMode(frame.cameraInternal, static_cast<int>(frame.atmPressure));
        }
        return true;
    case KeyPageForward:
        radio.frequencyListPage = std::min(radio.frequencyListPage + 1, lastListPage);
        return true;
    case KeyPageBack:
        radio.frequencyListPage = std::max(radio.frequencyListPage - 1, 0);
        return true;
    default:
        return false;
    }
}

bool RadioMFD::ConsumeButton(int button, int event) {
    if ((event & buttonPressEvent) == 0 || button < 0 || button >= buttonCount) {
        return false;
    }
    return ConsumeKeyBuffered(buttonKeys[button]);
}

char* RadioMFD::ButtonLabel(int button) {
    return button >= 0 && button < labelledButtons ? buttonLabels[button] : nullptr;
}

int RadioMFD::ButtonMenu(const MFDBUTTONMENU** menu) const {
    if (menu != nullptr) {
        *menu = buttonMenu;
    }
    return labelledButtons;
}

LRESULT radioDisplayMessageProc(UINT message, UINT, WPARAM wparam, LPARAM lparam) {
    if (message != MFD_OPENED) {
        return 0;
    }
    DWORD width = static_cast<DWORD>(wparam & 0xFFFFu);
    DWORD height = static_cast<DWORD>((wparam >> 16) & 0xFFFFu);
    MFD2* display = new (std::nothrow) RadioMFD(width, height, reinterpret_cast<VESSEL*>(lparam));
    return reinterpret_cast<LRESULT>(display);
}

void setRadarDisplayMode(int mode) {
    radio.radarState = mode;
}

} // namespace zephyrin
