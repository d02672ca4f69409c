// The 49 stock sound slots, named by what they play.
#pragma once

#include "plugin/core/stock_sound_slot.h"

namespace zephyrin {

enum StockSlot : int {
    Welcome,
    SpecialDate,
    BaseAmbient,
    MainThrust,
    HoverThrust,
    RetroThrust,
    AuxThrust,
    AttModeOff,
    AttModeRot,
    AttModeTrans,
    Countdown,
    AirCond,
    RadarBip,
    RadarClose,
    CabinAmbience,
    RadioChatter,
    RadioTune,
    PlanetWind,
    WindAirspeed,
    Gpws10,
    Gpws20,
    Gpws30,
    Gpws40,
    Gpws50,
    Gpws100,
    Gpws200,
    Gpws300,
    Gpws400,
    Gpws500,
    Gpws1000,
    Gpws2500,
    RcsAttackFrontRear,
    RcsSustainFrontRear,
    RcsAttackLeftRight,
    RcsSustainLeftRight,
    Docking,
    Undocking,
    DockingRadio,
    UndockingRadio,
    Crash,
    LandingClearance,
    GroundRoll,
    Noise,
    Touchdown,
    WheelBrake,
    SonicBoom,
    SonicBoomFar,
    SonicBoomFar1,
    Reentry,
    stockSlotCount
};

constexpr int gpwsCalloutCount = Gpws2500 - Gpws10 + 1;

extern StockSoundSlot stockSlots[stockSlotCount];

inline StockSoundSlot& stockSlot(StockSlot slot) {
    return stockSlots[slot];
}

// Releases the sound of every slot and zeroes the slot: the window open starts from nothing.
void emptyStockSlots();
// Stops, rewinds and destroys every stock sound, then empties the slots.
void stopAndEmptyAllStockSlots();

} // namespace zephyrin
