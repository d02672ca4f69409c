#include "plugin/core/stock_slots.h"

#include "plugin/core/cabin_ambience.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/environment/planet_and_base_sounds.h"

#include <cstring>

namespace zephyrin {

StockSoundSlot stockSlots[stockSlotCount];

namespace {

// The slots a switch of the options silences, as runs of consecutive slots.
struct SwitchedSlots {
    int32_t OptionRecord::*option;
    StockSlot first;
    StockSlot last;
};

constexpr SwitchedSlots switchedSlots[] = {
    {&OptionRecord::PLAYCOUNTDOWNWHENTAKEOFF, Countdown, Countdown},
    {&OptionRecord::PLAYWHENATTITUDEMODECHANGE, AttModeOff, AttModeTrans},
    {&OptionRecord::PLAYGPWS, Gpws10, Gpws2500},
    {&OptionRecord::PLAYMAINTHRUST, MainThrust, MainThrust},
    {&OptionRecord::PLAYHOVERTHRUST, HoverThrust, HoverThrust},
    {&OptionRecord::PLAYRETROTHRUST, RetroThrust, RetroThrust},
    {&OptionRecord::PLAYAUXTHRUST, AuxThrust, AuxThrust},
    {&OptionRecord::PLAYATTITUDETHRUST, RcsAttackFrontRear, RcsSustainLeftRight},
    {&OptionRecord::PLAYDOCKINGSOUND, Docking, UndockingRadio},
    {&OptionRecord::PLAYRADARBIP, RadarBip, RadarClose},
    {&OptionRecord::PLAYWINDAIRSPEED, WindAirspeed, WindAirspeed},
    {&OptionRecord::PLAYDOCKLANDCLEARANCE, LandingClearance, LandingClearance},
    {&OptionRecord::PLAYLANDINGANDGROUNDSOUND, Touchdown, WheelBrake},
    {&OptionRecord::PLAYLANDINGANDGROUNDSOUND, GroundRoll, GroundRoll},
    {&OptionRecord::PLAYLANDINGANDGROUNDSOUND, Crash, Crash},
    {&OptionRecord::PLAYCABINAIRCONDITIONING, AirCond, AirCond},
    {&OptionRecord::PLAYCABINRANDOMAMBIANCE, CabinAmbience, CabinAmbience},
    {&OptionRecord::PLAYWINDAMBIANCEWHENLANDED, PlanetWind, PlanetWind},
    {&OptionRecord::PLAYRADIOATC, RadioChatter, RadioChatter},
};

// The sonic booms come from both sides of the listener; the far ones are heard from far away.
constexpr VECTOR3 boomLeft{-50, 0, -50};
constexpr VECTOR3 boomRight{50, 0, 50};
constexpr double boomMinDistanceM = 500;
constexpr double boomMaxDistanceM = 10000;
constexpr double farBoomMinDistanceM = 1500;
constexpr double farBoomMaxDistanceM = 90000;
constexpr double cockpitMinDistanceM = 2;
constexpr double cockpitMaxDistanceM = 20;

} // namespace

void emptyStockSlots() {
    for (StockSoundSlot& slot : stockSlots) {
        resetSlot(slot);
    }
    clearCabinAmbiences();
}

void stopAndEmptyAllStockSlots() {
    for (StockSoundSlot& slot : stockSlots) {
        stopSlot(slot);
        resetSlot(slot);
    }
}

void loadFixedRunSounds() {
    LoadWave(stockSlot(Noise), "sound\\vessel\\noise.wav", 0);
    LoadWave3DStereo(stockSlot(SonicBoom), "sound\\vessel\\Sonicbang.wav", 0, &boomLeft, &boomRight,
                     boomMinDistanceM, boomMaxDistanceM);
    LoadWave3DStereo(stockSlot(SonicBoomFar), "sound\\vessel\\Sonicbangfar.wav", 0, &boomLeft,
                     &boomRight, farBoomMinDistanceM, farBoomMaxDistanceM);
    // The second far boom comes from the other side.
    LoadWave3DStereo(stockSlot(SonicBoomFar1), "sound\\vessel\\Sonicbangfar1.wav", 0, &boomRight,
                     &boomLeft, farBoomMinDistanceM, farBoomMaxDistanceM);
    LoadWave3D(stockSlot(RadioTune), "Sound\\vessel\\radiotune.wav", 0, nullptr,
               cockpitMinDistanceM, cockpitMaxDistanceM);
}

void loadWelcomeSound() {
    LoadWave(stockSlot(Welcome), "Sound\\cfg\\wlcm.wav", 0);
}

void stopSlotsOfDisabledOptions(const OptionRecord& options) {
    for (const SwitchedSlots& switched : switchedSlots) {
        if (options.*switched.option != 1) {
            for (int slot = switched.first; slot <= switched.last; ++slot) {
                stopSlot(stockSlots[slot]);
            }
        }
    }
    if (options.PLAYWINDAMBIANCEWHENLANDED != 1) {
        StopBaseSound();
    }
}

} // namespace zephyrin
