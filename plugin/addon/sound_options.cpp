// SoundOption3: an add-on switches its vessel's stock sounds. The vessel's record keeps the
// choice; the vessel in focus also hears it at once.
#include "plugin/addon/sound_options.h"

#include "plugin/addon/addon_checks.h"
#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/environment/planet_and_base_sounds.h"
#include "plugin/radio/radio.h"
#include "sdk/ZephyrinAddon.h"

#include <cstddef>

namespace zephyrin {

namespace {

// Consecutive stock slots; the default run is empty.
struct SlotRun {
    int first = 0;
    int last = -1;
};

struct AddonOption {
    int32_t OptionRecord::*field;
    bool classKey; // the vessel class file may set it
    SlotRun stops[3];
};

constexpr SlotRun one(StockSlot slot) {
    return {slot, slot};
}

// The place of an option's switch in the record, counted in 4-byte fields: how the class file
// names the switches it sets.
int switchIndexOf(int32_t OptionRecord::*field) {
    static const OptionRecord probe{};
    return static_cast<int>((reinterpret_cast<const char*>(&(probe.*field)) -
                             reinterpret_cast<const char*>(&probe)) /
                            static_cast<std::ptrdiff_t>(sizeof(int32_t)));
}

// Indexed by option id.
const AddonOption addonOptions[lastSoundOption + 1] = {
    {},
    {&OptionRecord::PLAYCOUNTDOWNWHENTAKEOFF, true, {one(Countdown)}},
    {},
    {&OptionRecord::PLAYWHENATTITUDEMODECHANGE, true, {{AttModeOff, AttModeTrans}}},
    {&OptionRecord::PLAYGPWS, true, {{Gpws10, Gpws2500}}},
    {&OptionRecord::PLAYMAINTHRUST, true, {one(MainThrust)}},
    {&OptionRecord::PLAYHOVERTHRUST, true, {one(HoverThrust)}},
    {&OptionRecord::PLAYATTITUDETHRUST, true, {{RcsAttackFrontRear, RcsSustainLeftRight}}},
    {&OptionRecord::PLAYDOCKINGSOUND, true, {{Docking, UndockingRadio}}},
    {&OptionRecord::PLAYRADARBIP, true, {{RadarBip, RadarClose}}},
    {&OptionRecord::PLAYWINDAIRSPEED, true, {one(WindAirspeed)}},
    {&OptionRecord::PLAYDOCKLANDCLEARANCE, true, {one(LandingClearance)}},
    {&OptionRecord::PLAYLANDINGANDGROUNDSOUND,
     true,
     {{Touchdown, WheelBrake}, one(GroundRoll), one(Crash)}},
    {&OptionRecord::PLAYCABINAIRCONDITIONING, true, {one(AirCond)}},
    {&OptionRecord::PLAYCABINRANDOMAMBIANCE, true, {one(CabinAmbience)}},
    {&OptionRecord::PLAYWINDAMBIANCEWHENLANDED, true, {one(PlanetWind)}},
    {&OptionRecord::PLAYRADIOATC, true, {one(RadioChatter)}},
    {&OptionRecord::DISPLAYTIMER, true, {}},
    {&OptionRecord::AUTODISABLEAUTOPILOT, false, {}},
    {&OptionRecord::RADIOBLACKOUTINREENTRY, false, {}},
    // All but the welcome, the radio tune and the sounds of landing and of the sonic booms.
    {nullptr, false, {{BaseAmbient, RadioChatter}, {PlanetWind, UndockingRadio}, one(Reentry)}},
    {&OptionRecord::PLAYRETROTHRUST, true, {one(RetroThrust)}},
    {&OptionRecord::PLAYAUXTHRUST, true, {one(AuxThrust)}},
    {&OptionRecord::PLAYWINDCOCKPITOPEN, true, {}},
    {&OptionRecord::PLAYREENTRYAIRSPEED, true, {one(Reentry)}},
};

bool isOption(int option) {
    return option >= firstSoundOption && option <= lastSoundOption;
}

void clearDebugLine() {
    if (char* debugLine = vrapiDebugString()) {
        debugLine[0] = '\0';
    }
}

// What the focus vessel hears at once when one of its options changes.
void applyToFocus(int option, int value) {
    if (value == 0) {
        stopSoundsOfOption(option);
    }
    if (option == PLAYRADIOATC && value == 1) {
        scheduleNextChatter();
    }
    if (option == DISPLAYTIMER && value == 0) {
        clearDebugLine();
    }
}

} // namespace

int32_t OptionRecord::*optionFieldOf(int option) {
    return isOption(option) ? addonOptions[option].field : nullptr;
}

void stopSoundsOfOption(int option) {
    if (!isOption(option)) {
        return;
    }
    for (const SlotRun& slots : addonOptions[option].stops) {
        for (int slot = slots.first; slot <= slots.last; ++slot) {
            stopSlot(stockSlots[slot]);
        }
    }
    if (option == PLAYWINDAMBIANCEWHENLANDED) {
        StopBaseSound();
    }
}

} // namespace zephyrin

using namespace zephyrin;

int SoundOption3(int id, int option, int value) {
    if (!isSoundId(id) || !isOption(option) || option == 2) {
        return 1;
    }
    const AddonOption& chosen = addonOptions[option];
    if (option == STOPALLSTOCKSOUNDS) {
        if (value == 1) {
            stopSoundsOfOption(option);
        }
        return 1;
    }
    if (option == AUTODISABLEAUTOPILOT || option == RADIOBLACKOUTINREENTRY) {
        liveOptions.*chosen.field = value;
        return 1;
    }
    if (chosen.classKey && classFileSetsOption(switchIndexOf(chosen.field))) {
        return 1;
    }
    vesselTable[id].settings.*chosen.field = value;
    if (id == run.currentVesselIndex) {
        liveOptions.*chosen.field = value;
        applyToFocus(option, value);
    }
    return 1;
}

int SoundOption(int option, int value) {
    if (option < firstSoundOption || option > PLAYWINDCOCKPITOPEN || option == 2 ||
        option == AUTODISABLEAUTOPILOT || option == RADIOBLACKOUTINREENTRY ||
        option == STOPALLSTOCKSOUNDS) {
        return 1;
    }
    VesselSoundRecord& record = vesselTable[LEGACY_SOUND_ID];
    record.settings.*addonOptions[option].field = value;
    if (value == 0) {
        stopSoundsOfOption(option);
    }
    if (option == PLAYRADIOATC && value == 1) {
        scheduleNextChatter();
    }
    if (run.currentVesselIndex == LEGACY_SOUND_ID) {
        liveOptions = record.settings;
    }
    return 1;
}
