#include "plugin/behaviour/sound_cones.h"

#include "plugin/behaviour/atmosphere_sounds.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"

#include <algorithm>
#include <cmath>

namespace zephyrin {

ConeState cones;

namespace {

constexpr int32_t coneRefresh = -999;
constexpr int32_t thinAirKey = -999;
constexpr double thinAirPa = 0.1;
constexpr double largestMachConeValue = 60.0;
constexpr double machConeOnset = 0.96;
constexpr double machConeSteepness = 4000.0;
constexpr double machKeySteps = 400.0;

constexpr double fullConeDegrees = 360.0;
constexpr int mainOutsideVolume = 240;
constexpr int otherOutsideVolume = 230;
constexpr VECTOR3 rearward{0, 0, -1};

struct ConedSlot {
    StockSlot slot;
    int thrusterGroup; // -1: follows the airflow, not a thruster
    double insideAngle;
    double outsideAngle;
};

constexpr ConedSlot conedSlots[conedSoundCount] = {
    {MainThrust, THGROUP_MAIN, 120, fullConeDegrees},
    {HoverThrust, THGROUP_HOVER, 60, fullConeDegrees},
    {RetroThrust, THGROUP_RETRO, 45, fullConeDegrees},
    {AuxThrust, THGROUP_USER, 100, fullConeDegrees},
    {WindAirspeed, -1, 80, 300},
    {Reentry, -1, 30, 250},
};

double truncateToHundredths(double value) {
    return std::trunc(value * 100) / 100;
}

bool sameDirection(const VECTOR3& a, const VECTOR3& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

VECTOR3 blend(const VECTOR3& d, double w, const VECTOR3& airflow) {
    return {(1 - w) * d.x + airflow.x, (1 - w) * d.y + airflow.y, (1 - w) * d.z + airflow.z};
}

VECTOR3 airflowDirection(const VESSEL& vessel) {
    VECTOR3 airspeed{0, 0, 0};
    vessel.GetShipAirspeedVector(airspeed);
    double length =
        std::sqrt(airspeed.x * airspeed.x + airspeed.y * airspeed.y + airspeed.z * airspeed.z);
    if (length == 0) {
        return {0, 0, 0};
    }
    return {airspeed.x / length, airspeed.y / length, airspeed.z / length};
}

VECTOR3 truncatedScaled(const VECTOR3& v, double factor) {
    return {truncateToHundredths(v.x * factor), truncateToHundredths(v.y * factor),
            truncateToHundredths(v.z * factor)};
}

bool thrustDirection(const VESSEL& vessel, int group, VECTOR3& direction) {
    THRUSTER_HANDLE thruster = nullptr;
    if (group == THGROUP_USER) {
        if (vessel.GetUserThrusterGroupCount() >= 1) {
            if (THGROUP_HANDLE user = vessel.GetUserThrusterGroupHandleByIndex(0)) {
                thruster = vessel.GetGroupThruster(user, 0);
            }
        }
    } else {
        thruster = vessel.GetGroupThruster(static_cast<THGROUP_TYPE>(group), 0);
    }
    if (thruster == nullptr) {
        return false;
    }
    vessel.GetThrusterDir(thruster, direction);
    return true;
}

void setCone(ConedSound sound, const VECTOR3& direction, int outsideVolume) {
    const ConedSlot& coned = conedSlots[sound];
    cones.cache[sound] = {direction, outsideVolume};
    setSlotCone(stockSlot(coned.slot), coned.insideAngle, coned.outsideAngle,
                {-direction.x, -direction.y, -direction.z}, outsideVolume);
}

void openCockpitCones() {
    if (cones.cockpitConesSet == 1) {
        return;
    }
    cones.cockpitConesSet = 1;
    cones.machConeValue = 0;
    cones.machConeKey = machConeKeyUnset;
    for (int sound = 0; sound < conedSoundCount; ++sound) {
        StockSoundSlot& slot = stockSlot(conedSlots[sound].slot);
        if (slot.is3D != 1 || (sound == AuxCone && frame.hasAuxThrusters != 1)) {
            continue;
        }
        cones.cache[sound] = {rearward, slotVolumeMax};
        setSlotCone(slot, fullConeDegrees, fullConeDegrees, rearward, slotVolumeMax);
    }
}

struct Airflow {
    VECTOR3 direction; // unit, in hundredths
    VECTOR3 weighted;  // scaled by the weight, in hundredths
    double weight;     // how far the cones turn toward the airflow, 0..1
};

// Where a sound's cone points (its opposite); false when it gets none this tick.
bool coneDirection(ConedSound sound, const VESSEL& vessel, const Airflow& air, VECTOR3& direction) {
    const ConedSlot& coned = conedSlots[sound];
    if (coned.thrusterGroup >= 0) {
        if (!thrustDirection(vessel, coned.thrusterGroup, direction)) {
            return false;
        }
    } else {
        // The re-entry roar turns only while it sounds, and once after every reset.
        if (sound == ReentryCone && atmosphere.reentryPlaying != 1 &&
            cones.cache[sound].outsideVolume != coneRefresh) {
            return false;
        }
        if (frame.atmPressure <= thinAirPa) {
            direction = rearward;
            return true;
        }
        direction = air.direction;
    }
    if (air.weight > 0) {
        direction = blend(direction, air.weight, air.weighted);
    }
    return true;
}

void followMachNumber() {
    if (frame.atmPressure <= thinAirPa) {
        cones.machConeKey = thinAirKey;
        cones.machConeValue = 0;
        return;
    }
    int32_t key = static_cast<int32_t>((frame.machNumber - 1) * machKeySteps);
    if (key != cones.machConeKey) {
        cones.machConeKey = key;
        cones.machConeValue = machConeValueOf(frame.machNumber);
    }
}

} // namespace

double machConeValueOf(double machNumber) {
    double above = std::max(machNumber - machConeOnset, 0.0);
    return std::min(machConeSteepness * above * above, largestMachConeValue);
}

int coneOutsideVolume(ConedSound sound, double machConeValue) {
    int k = static_cast<int>(machConeValue);
    return (sound == MainCone ? mainOutsideVolume : otherOutsideVolume) - k;
}

void resetPlacement() {
    for (ConeCache& cache : cones.cache) {
        cache = {{-1, -1, -1}, coneRefresh};
    }
    cones.cockpitConesSet = 0;
}

void updateEngineCones(VESSEL& vessel) {
    if (liveOptions.ALLOW3DPROJECTIONCONE != 1) {
        return;
    }
    if (frame.cameraInternal == 1) {
        openCockpitCones();
        return;
    }
    cones.cockpitConesSet = 0;
    if (liveOptions.ALLOW3DMACHCONESILENCE == 1) {
        followMachNumber();
    }
    if (frame.processTick != 1) {
        return;
    }
    double weight = cones.machConeValue != 0 ? std::min(cones.machConeValue / 60, 1.0) : 0;
    VECTOR3 unitAirflow = airflowDirection(vessel);
    Airflow air{truncatedScaled(unitAirflow, 1.0),
                weight > 0 ? truncatedScaled(unitAirflow, weight) : VECTOR3{0, 0, 0}, weight};
    for (int sound = 0; sound < conedSoundCount; ++sound) {
        VECTOR3 direction;
        if (stockSlot(conedSlots[sound].slot).is3D != 1 ||
            !coneDirection(static_cast<ConedSound>(sound), vessel, air, direction)) {
            continue;
        }
        // A jump across mach 1 in one frame can change the outside volume alone.
        const int outsideVolume =
            coneOutsideVolume(static_cast<ConedSound>(sound), cones.machConeValue);
        if (!sameDirection(direction, cones.cache[sound].direction) ||
            outsideVolume != cones.cache[sound].outsideVolume) {
            setCone(static_cast<ConedSound>(sound), direction, outsideVolume);
        }
    }
}

} // namespace zephyrin
