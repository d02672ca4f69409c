#include "plugin/core/stock_sounds.h"

#include "platform/clock.h"
#include "plugin/audio/sound_device_lifecycle.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/behaviour/sound_positions.h"
#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/cabin_ambience.h"
#include "plugin/core/log.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/random.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"

#include <algorithm>
#include <cstdio>

namespace zephyrin {

VECTOR3 radioSoundPosition;

namespace {

// The order in which a vessel record stores its replacement files.
constexpr int replacementOrder[replaceableStockCount] = {
    42, 10, 11, 40, 41, 26, 24, 25, 12, 13, 14, 15, 16, 17, 18, 19, 20,
    21, 22, 23, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39};

constexpr const char* debugSeparator = "     ----------------------------------------------";

// Sizes are taken relative to a vessel of 5 m, within these bounds.
constexpr double referenceSizeM = 5.0;
constexpr double smallestScale = 0.5;
constexpr double largestScale = 10.0;
constexpr double nearPerScaleM = 50.0;
constexpr double farPerScaleM = 40000.0;
// Above this scale the main engine takes its louder file, which carries further.
constexpr double loudMainScale = 2.0;

constexpr double cockpitMinDistanceM = 2;
constexpr double cockpitMaxDistanceM = 20;
constexpr double rcsMinDistanceM = 10;
constexpr double rcsMaxDistanceM = 5000;
constexpr double groundMinDistanceM = 30;
constexpr double groundMaxDistanceM = 300;
constexpr double ambienceMinDistanceM = 5;
constexpr double ambienceMaxDistanceM = 100;
// The stock files of the last three ambiences are quieter sounds, heard closer.
constexpr double quietAmbienceMaxDistanceM = 50;
constexpr int firstQuietAmbience = 6;
constexpr int firstAmbienceStockId = 15;

struct LoadContext {
    const VESSEL& vessel;
    const VesselSoundRecord& record;
    int stockId;
    double size;
    double scale;
    double nearM;
    double farM;
    VECTOR3 cockpit;
    VECTOR3 radio;

    bool wants(int id) const { return stockId == allStockSounds || stockId == id; }
};

enum class Channels { Mono, Pair };

struct StockGroup {
    int stockId;
    StockSlot slot;
    const char* defaultFile;
    Channels channels;
    int staticRequest;
    double (*minDistance)(const LoadContext&);
    double (*maxDistance)(const LoadContext&, bool replaced);
    void (*place)(const LoadContext&, VECTOR3& left, VECTOR3& right);
    const char* label; // null: no dump line and no override
    StockPositionEntry entry;
    const char* largeVesselFile = nullptr; // replaces defaultFile above loudMainScale
};

// ---- Distances
double cockpitMin(const LoadContext&) {
    return cockpitMinDistanceM;
}
double cockpitMax(const LoadContext&, bool) {
    return cockpitMaxDistanceM;
}
double engineMin(const LoadContext& c) {
    return 1.5 * c.nearM;
}
double farMax(const LoadContext& c, bool) {
    return c.farM;
}
double threeFarMax(const LoadContext& c, bool) {
    return 3 * c.farM;
}
double mainMax(const LoadContext& c, bool replaced) {
    return (!replaced && c.scale > loudMainScale ? 3.2 : 3.0) * c.farM;
}
double windMin(const LoadContext& c) {
    return 0.5 * c.nearM;
}
double windMax(const LoadContext& c, bool) {
    return c.farM / 3;
}
double reentryMin(const LoadContext&) {
    return 2500;
}
double reentryMax(const LoadContext&, bool) {
    return 90000;
}
double groundMin(const LoadContext&) {
    return groundMinDistanceM;
}
double groundMax(const LoadContext&, bool) {
    return groundMaxDistanceM;
}
double crashMin(const LoadContext&) {
    return 200;
}
// Docking is heard in proportion to the vessel, without the scale's upper limit.
double dockingMin(const LoadContext& c) {
    return c.size / referenceSizeM;
}
double dockingMax(const LoadContext& c, bool) {
    return std::clamp(c.size, 10.0, 40.0);
}

// ---- Default positions
void atRadio(const LoadContext& c, VECTOR3& left, VECTOR3& right) {
    left = right = c.radio;
}
void atOrigin(const LoadContext&, VECTOR3& left, VECTOR3& right) {
    left = right = {0, 0, 0};
}
template <int groupType> void atThrusterGroup(const LoadContext& c, VECTOR3& left, VECTOR3& right) {
    thrusterGroupPosition(c.vessel, groupType, left, &right);
}
void airCondPlace(const LoadContext& c, VECTOR3& left, VECTOR3& right) {
    left = {c.cockpit.x - 3, c.cockpit.y + 0.5, c.cockpit.z + 1};
    right = {c.cockpit.x + 3, c.cockpit.y + 0.5, c.cockpit.z + 1};
}
void windPlace(const LoadContext& c, VECTOR3& left, VECTOR3& right) {
    left = {-c.size / 3, c.cockpit.y, c.size / 2};
    right = {c.size / 3, c.cockpit.y, c.size / 2};
}
void touchdownPlace(const LoadContext& c, VECTOR3& left, VECTOR3& right) {
    left = right = {0, c.cockpit.y - 3, 0};
}
void groundPlace(const LoadContext& c, VECTOR3& left, VECTOR3& right) {
    left = {c.cockpit.x - 2, c.cockpit.y - 3, 0};
    right = {c.cockpit.x + 2, c.cockpit.y - 3, 0};
}
void crashPlace(const LoadContext& c, VECTOR3& left, VECTOR3& right) {
    left = {c.cockpit.x - 4, 0, 0};
    right = {c.cockpit.x + 4, 0, 0};
}

constexpr StockPositionEntry noEntry = MainThrustPosition; // unused without a label

// The groups in load order, before and after the attitude jets.
const StockGroup engineGroups[] = {
    {42, Countdown, "sound\\vessel\\countdown.wav", Channels::Mono, 1, cockpitMin, cockpitMax,
     atRadio, nullptr, noEntry},
    {10, MainThrust, "sound\\vessel\\mainext.wav", Channels::Pair, 1, engineMin, mainMax,
     atThrusterGroup<THGROUP_MAIN>, "Main Thrust", MainThrustPosition,
     "sound\\vessel\\mainextloud.wav"},
    {11, HoverThrust, "sound\\vessel\\hover_int.wav", Channels::Pair, 1, engineMin, farMax,
     atThrusterGroup<THGROUP_HOVER>, "Hover Thrust (front/rear)", HoverThrustPosition},
    {40, RetroThrust, "sound\\vessel\\retro.wav", Channels::Pair, 1, engineMin, farMax,
     atThrusterGroup<THGROUP_RETRO>, "Retro Thrust", RetroThrustPosition},
    {41, AuxThrust, "sound\\vessel\\AuxThr.wav", Channels::Pair, 1, engineMin, threeFarMax,
     atThrusterGroup<THGROUP_USER>, "Aux/User Thrust", AuxThrustPosition},
};

const StockGroup vesselGroups[] = {
    {14, AirCond, "sound\\vessel\\aircond.wav", Channels::Pair, 1, cockpitMin, cockpitMax,
     airCondPlace, "Aircond", AirCondPosition},
    {26, AttModeOff, "sound\\vessel\\RcsattmodeOff.wav", Channels::Mono, 1, cockpitMin, cockpitMax,
     atRadio, nullptr, noEntry},
    {24, AttModeRot, "sound\\vessel\\RcsattmodeRot.wav", Channels::Mono, 1, cockpitMin, cockpitMax,
     atRadio, nullptr, noEntry},
    {25, AttModeTrans, "sound\\vessel\\RcsattmodeTrans.wav", Channels::Mono, 1, cockpitMin,
     cockpitMax, atRadio, nullptr, noEntry},
    {27, WindAirspeed, "sound\\vessel\\airspeed.wav", Channels::Pair, 1, windMin, windMax,
     windPlace, "Wind airspeed", WindAirspeedPosition},
    {28, Reentry, "sound\\vessel\\reentryfar.wav", Channels::Mono, 0, reentryMin, reentryMax,
     atOrigin, nullptr, noEntry},
    {29, Touchdown, "sound\\vessel\\land.wav", Channels::Mono, 0, groundMin, groundMax,
     touchdownPlace, "Land touchdown", TouchdownPosition},
    {30, GroundRoll, "sound\\vessel\\roll.wav", Channels::Pair, 1, groundMin, groundMax,
     groundPlace, "Ground roll", GroundRollPosition},
    {31, WheelBrake, "sound\\vessel\\brake.wav", Channels::Pair, 1, groundMin, groundMax,
     groundPlace, "Wheelbrake", WheelBrakePosition},
    {32, Crash, "sound\\vessel\\crash.wav", Channels::Pair, 1, crashMin, farMax, crashPlace,
     "Crash", CrashPosition},
    {33, Docking, "sound\\vessel\\docking.wav", Channels::Pair, 1, dockingMin, dockingMax, atOrigin,
     nullptr, noEntry},
    {34, Undocking, "sound\\vessel\\Undocking.wav", Channels::Pair, 1, dockingMin, dockingMax,
     atOrigin, nullptr, noEntry},
    {36, DockingRadio, "sound\\vessel\\docking_radio.wav", Channels::Mono, 0, cockpitMin,
     cockpitMax, atRadio, nullptr, noEntry},
    {37, UndockingRadio, "sound\\vessel\\undocking_radio.wav", Channels::Mono, 0, cockpitMin,
     cockpitMax, atRadio, nullptr, noEntry},
    {35, LandingClearance, "sound\\vessel\\landClr.wav", Channels::Mono, 0, cockpitMin, cockpitMax,
     atRadio, nullptr, noEntry},
    {38, RadarBip, "sound\\vessel\\radar_bip.wav", Channels::Mono, 0, cockpitMin, cockpitMax,
     atRadio, nullptr, noEntry},
    {39, RadarClose, "sound\\vessel\\radar_close.wav", Channels::Mono, 0, cockpitMin, cockpitMax,
     atRadio, nullptr, noEntry},
};

// The slots that speak from the radio position.
constexpr StockSlot radioSlots[] = {RadioChatter,   RadioTune,        AttModeOff, AttModeRot,
                                    AttModeTrans,   RadarBip,         RadarClose, DockingRadio,
                                    UndockingRadio, LandingClearance, Countdown};

constexpr int gpwsCalloutHeights[gpwsCalloutCount] = {10,  20,  30,  40,  50,   100,
                                                      200, 300, 400, 500, 1000, 2500};

const char* fileOf(const LoadContext& c, int stockId, const char* defaultFile) {
    const char* replacement = replacementFileOf(c.record, stockId);
    return replacement[0] != '\0' ? replacement : defaultFile;
}

void loadGroup(const LoadContext& c, const StockGroup& group) {
    if (!c.wants(group.stockId)) {
        return;
    }
    const char* replacement = replacementFileOf(c.record, group.stockId);
    bool replaced = replacement[0] != '\0';
    const char* file = group.defaultFile;
    if (replaced) {
        file = replacement;
    } else if (group.largeVesselFile != nullptr && c.scale > loudMainScale) {
        file = group.largeVesselFile;
    }
    VECTOR3 left;
    VECTOR3 right;
    group.place(c, left, right);
    bool pair = group.channels == Channels::Pair;
    if (group.label != nullptr) {
        resolveSoundPosition(group.label, c.record.stockPosition[group.entry], left,
                             pair ? &right : nullptr);
    }
    StockSoundSlot& slot = stockSlot(group.slot);
    if (pair) {
        LoadWave3DStereo(slot, file, group.staticRequest, &left, &right, group.minDistance(c),
                         group.maxDistance(c, replaced));
    } else {
        LoadWave3D(slot, file, group.staticRequest, &left, group.minDistance(c),
                   group.maxDistance(c, replaced));
    }
}

bool isStereo3D(StockSlot slot) {
    return stockSlot(slot).is3D == 1 && stockSlot(slot).isStereoPair == 1;
}

// The jets fire at the nose and tail (front/rear pair) and at the wing tips (left/right pair).
void loadRcsPair(const LoadContext& c, StockSlot slot, const char* file, const char* label,
                 StockPositionEntry entry, bool frontRear) {
    VECTOR3 first;
    VECTOR3 second;
    if (frontRear) {
        thrusterGroupPosition(c.vessel, THGROUP_ATT_BACK, first, nullptr);
        thrusterGroupPosition(c.vessel, THGROUP_ATT_FORWARD, second, nullptr);
    } else {
        thrusterGroupPosition(c.vessel, THGROUP_ATT_BANKLEFT, first, nullptr);
        thrusterGroupPosition(c.vessel, THGROUP_ATT_BANKRIGHT, second, nullptr);
    }
    resolveSoundPosition(label, c.record.stockPosition[entry], first, &second);
    LoadWave3DStereo(stockSlot(slot), file, 1, &first, &second, rcsMinDistanceM, rcsMaxDistanceM);
}

// Positioned jets need stereo files split into pairs; returns false when one did not split.
bool loadPositionedRcs(const LoadContext& c) {
    constexpr int attackId = 12;
    constexpr int sustainId = 13;
    if (c.wants(attackId)) {
        const char* attack = fileOf(c, attackId, "sound\\vessel\\attfire40stereo.wav");
        loadRcsPair(c, RcsAttackFrontRear, attack, "RCS attack (front/rear)", RcsFrontRearPosition,
                    true);
        if (!isStereo3D(RcsAttackFrontRear)) {
            return false;
        }
        loadRcsPair(c, RcsAttackLeftRight, attack, "RCS attack (left/right)", RcsLeftRightPosition,
                    false);
    }
    if (c.wants(sustainId)) {
        loadRcsPair(c, RcsSustainFrontRear,
                    fileOf(c, sustainId, "sound\\vessel\\attsustain40stereo1.wav"),
                    "RCS sustain (front/rear)", RcsFrontRearPosition, true);
        if (!isStereo3D(RcsSustainFrontRear) || !isStereo3D(RcsAttackLeftRight)) {
            return false;
        }
        loadRcsPair(c, RcsSustainLeftRight,
                    fileOf(c, sustainId, "sound\\vessel\\attsustain40stereo2.wav"),
                    "RCS sustain (left/right)", RcsLeftRightPosition, false);
    }
    return true;
}

void loadRcs(const LoadContext& c) {
    if (liveOptions.ALLOW3DRCSPOSITIONING == 1) {
        if (loadPositionedRcs(c)) {
            return;
        }
        logLine("Info: Failed loading stereo RCS wav for 3d RCS positionning, reverting to 2d "
                "RCS (normal)");
        liveOptions.ALLOW3DRCSPOSITIONING = 0;
    }
    resetSlot(stockSlot(RcsAttackLeftRight));
    resetSlot(stockSlot(RcsSustainLeftRight));
    if (c.wants(12)) {
        LoadWave(stockSlot(RcsAttackFrontRear), fileOf(c, 12, "sound\\vessel\\attfire.wav"), 1);
    }
    if (c.wants(13)) {
        LoadWave(stockSlot(RcsSustainFrontRear), fileOf(c, 13, "sound\\vessel\\attsustain.wav"), 1);
    }
}

void registerAmbiences(const LoadContext& c) {
    seedFromClass(&c.vessel, ambienceSeedBase);
    for (int index = 0; index < cabinAmbienceCount; ++index) {
        // Every ambience draws its position, so that each keeps it when one alone is reloaded.
        VECTOR3 position = ambiencePosition(&c.vessel);
        int stockId = firstAmbienceStockId + index;
        if (!c.wants(stockId)) {
            continue;
        }
        char label[16];
        std::snprintf(label, sizeof label, "Ambience%d", index + 1);
        resolveSoundPosition(label, c.record.stockPosition[CockpitAmbience1Position + index],
                             position, nullptr);
        const char* replacement = replacementFileOf(c.record, stockId);
        char defaultFile[40];
        std::snprintf(defaultFile, sizeof defaultFile, "sound\\vessel\\ambient%d.wav", index);
        bool replaced = replacement[0] != '\0';
        double maxDistance = !replaced && index >= firstQuietAmbience ? quietAmbienceMaxDistanceM
                                                                      : ambienceMaxDistanceM;
        registerCabinAmbience(index, replaced ? replacement : defaultFile, position,
                              ambienceMinDistanceM, maxDistance);
    }
}

void moveRadioSlots(const VECTOR3& position) {
    for (StockSlot slot : radioSlots) {
        setSlotPosition(stockSlot(slot), position, position);
    }
}

void loadGpws(const LoadContext& c) {
    seedFromClass(&c.vessel, gpwsSeedBase);
    VECTOR3 position = radioPosition(&c.vessel);
    resolveSoundPosition("GPWS radio", c.record.stockPosition[GpwsPosition], position, nullptr);
    loadGpwsCallouts(c.record.replaceAllGpws);
    for (int slot = Gpws10; slot <= Gpws2500; ++slot) {
        setSlotPosition(stockSlots[slot], position, position);
    }
}

bool debugDisplay() {
    return classConfiguration.classDebugDisplay == 1;
}

void beginPositionDump() {
    logLine(" ");
    logLine(debugSeparator);
    logLine("     SOUND DEBUG DISPLAY - DUMPING SOUND POSITION");
    logLine(" ");
    clearMonoStereoLines();
}

void endPositionDump() {
    logLine(" ");
    logLine("     END OF SOUND DEBUG DISPLAY - DUMPING SOUND POSITION");
    logLine(debugSeparator);
    logLine(" ");
    logLine(" ");
    logLine(debugSeparator);
    logLine("     SOUND DEBUG DISPLAY - 3D MONO/STEREO STATE");
    logLine(" ");
    flushMonoStereoLines();
    logLine(" ");
    logLine("     END OF SOUND DEBUG DISPLAY - 3D MONO/STEREO STATE");
    logLine(debugSeparator);
    logLine(" ");
}

} // namespace

int replacementIndexOf(int stockId) {
    for (int index = 0; index < replaceableStockCount; ++index) {
        if (replacementOrder[index] == stockId) {
            return index;
        }
    }
    return -1;
}

const char* replacementFileOf(const VesselSoundRecord& record, int stockId) {
    int index = replacementIndexOf(stockId);
    return index < 0 ? "" : record.replacementFile[index];
}

void loadGpwsCallouts(int useClassFolder) {
    char folder[fileNameLength + 32] = "Sound\\Vessel";
    if (useClassFolder == 1) {
        if (classConfiguration.configClassName[0] == '\0') {
            return;
        }
        std::snprintf(folder, sizeof folder, "Sound\\_CustomVesselsSounds\\%s",
                      classConfiguration.configClassName);
    }
    for (int callout = 0; callout < gpwsCalloutCount; ++callout) {
        char file[sizeof folder + 16];
        std::snprintf(file, sizeof file, "%s\\-%d.wav", folder, gpwsCalloutHeights[callout]);
        LoadWave3D(stockSlots[Gpws10 + callout], file, 0, nullptr, ambienceMinDistanceM,
                   ambienceMaxDistanceM);
    }
}

void loadStockSounds(int stockId) {
    int index = run.currentVesselIndex;
    if (index > LEGACY_SOUND_ID || index < 0 ||
        (index < LEGACY_SOUND_ID && vesselTable[index].vesselHandle == nullptr) ||
        plugin.focusVessel == nullptr) {
        return;
    }
    const VESSEL& vessel = *plugin.focusVessel;
    if (debugDisplay()) {
        beginPositionDump();
    }
    double size = placementSize(vessel);
    double scale = std::clamp(size / referenceSizeM, smallestScale, largestScale);
    LoadContext c{vessel,
                  vesselTable[index],
                  stockId,
                  size,
                  scale,
                  nearPerScaleM * scale,
                  farPerScaleM * scale,
                  {0, 0, 0},
                  {0, 0, 0}};
    vessel.GetCameraOffset(c.cockpit);
    seedFromClass(&vessel, radioSeedBase);
    c.radio = radioPosition(&vessel);
    resolveSoundPosition("Radio sounds", c.record.stockPosition[RadioPosition], c.radio, nullptr);

    for (const StockGroup& group : engineGroups) {
        loadGroup(c, group);
    }
    if (c.wants(41) && stockSlot(AuxThrust).sound == nullptr) {
        frame.hasAuxThrusters = 0;
    }
    if (c.wants(12) || c.wants(13)) {
        loadRcs(c);
    }
    for (const StockGroup& group : vesselGroups) {
        loadGroup(c, group);
    }
    registerAmbiences(c);

    moveRadioSlots(c.radio);
    radioSoundPosition = c.radio;
    if (c.wants(gpwsStockId)) {
        loadGpws(c);
    }
    if (debugDisplay()) {
        endPositionDump();
    }
    seedRandom(platform::tickCountMs());
    frame.lastCameraInternal = cameraChangeRequested;
    commitListener(plugin.device);
}

} // namespace zephyrin
