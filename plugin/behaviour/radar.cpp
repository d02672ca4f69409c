// The proximity radar: the nearest station (or any light object) within 2 km is scanned on the
// late tick; the bip quickens as it closes in, and a warning sounds once at close range.
#include "plugin/behaviour/callouts.h"

#include "plugin/behaviour/saturating_whole.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/slot_operations.h"

#include <cmath>

namespace zephyrin {

namespace {

constexpr double scanRangeM = 2000;
constexpr double noTargetDistanceM = 80000;
// Planets and the biggest stations are no radar targets.
constexpr double heaviestTargetKg = 1e8;

constexpr int32_t bipRangeM = 800;
constexpr int32_t closeRangeM = 30;
constexpr int32_t closeWarningFromM = 21;
constexpr int32_t fastBipBelowM = 50;
constexpr int fastBipBaseHz = 17275;
constexpr int fastBipHzPerM = 40;
constexpr int slowBipBaseHz = 15525;
constexpr int slowBipHzPerM = 5;

struct RadarTarget {
    double distanceM = noTargetDistanceM;
    double sizeM = 0;
};

double distanceTo(OBJHANDLE object) {
    VECTOR3 position{0, 0, 0};
    vrapiGetFocusRelativePos(object, &position);
    return std::sqrt(position.x * position.x + position.y * position.y + position.z * position.z);
}

bool inScanRange(double distanceM) {
    return distanceM > 0 && distanceM < scanRangeM;
}

RadarTarget firstStationInRange() {
    DWORD count = vrapiGetStationCount();
    for (DWORD index = 0; index < count; ++index) {
        OBJHANDLE station = vrapiGetStationByIndex(static_cast<int>(index));
        if (station == nullptr) {
            continue;
        }
        double distance = distanceTo(station);
        if (inScanRange(distance)) {
            return {distance, vrapiGetSize(station)};
        }
    }
    return {};
}

RadarTarget firstLightObjectInRange() {
    DWORD count = vrapiGetObjectCount();
    for (DWORD index = 0; index < count; ++index) {
        OBJHANDLE object = vrapiGetObjectByIndex(static_cast<int>(index));
        if (object == nullptr || !(vrapiGetMass(object) < heaviestTargetKg)) {
            continue;
        }
        double distance = distanceTo(object);
        if (inScanRange(distance)) {
            return {distance, vrapiGetSize(object)};
        }
    }
    return {};
}

bool silencedOutside() {
    return frame.cameraInternal == 0 && liveOptions.ALLOWSILENCEOFSPACE == 1;
}

void stopBip() {
    if (callouts.radarBipPlaying == 1) {
        stopSlot(stockSlot(RadarBip));
        callouts.radarBipPlaying = 0;
    }
}

void bipAt(int32_t gap) {
    if (silencedOutside()) {
        stopBip();
    } else {
        PlayWave(stockSlot(RadarBip), 1, liveOptions.VOLRADAR, radarBipFrequency(gap),
                 referenceFrequency11025Hz, unusedRightVolume);
        callouts.radarBipPlaying = 1;
    }
    callouts.radarCloseDone = 0;
}

void warnAtCloseRange(int32_t gap) {
    stopBip();
    if (callouts.radarCloseDone == 0 && gap >= closeWarningFromM && gap <= closeRangeM) {
        if (!silencedOutside()) {
            playWaveSimple(stockSlot(RadarClose), 0, liveOptions.VOLRADAR);
        }
        callouts.radarCloseDone = 1;
    }
}

} // namespace

int32_t radarGap(double distanceM, double targetSizeM) {
    return truncateSaturated(static_cast<float>(distanceM) - static_cast<float>(targetSizeM));
}

int radarBipFrequency(int32_t gap) {
    return gap <= fastBipBelowM ? fastBipBaseHz - fastBipHzPerM * gap
                                : slowBipBaseHz - slowBipHzPerM * gap;
}

int32_t radarTargetKindFor(const OptionRecord& o) {
    return o.PLAYRADARBIP == 1 ? radarTargetsAllObjects : 0;
}

void updateRadar(VESSEL& vessel) {
    if (liveOptions.PLAYRADARBIP != 1 || frame.lateTick != 1) {
        return;
    }
    RadarTarget target = callouts.radarTargetKind == radarTargetsAllObjects
                             ? firstLightObjectInRange()
                             : firstStationInRange();
    int32_t gap = radarGap(target.distanceM, target.sizeM);
    if (frame.status.status == VESSEL_STATUS_DOCKED || vessel.GroundContact()) {
        callouts.radarCloseDone = 1;
    }
    if (gap >= bipRangeM) {
        stopBip();
    } else if (gap > closeRangeM) {
        bipAt(gap);
    } else {
        warnAtCloseRange(gap);
    }
}

} // namespace zephyrin
