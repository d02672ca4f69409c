#include "plugin/behaviour/sound_positions.h"

#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/log.h"
#include "plugin/core/random.h"

#include <algorithm>

namespace zephyrin {

namespace {

// Thrusters of one group, found through its type or, for the user group, its handle.
struct ThrusterWalk {
    const VESSEL& vessel;
    int groupType;
    THGROUP_HANDLE userGroup;

    DWORD count() const {
        return userGroup != nullptr
                   ? vessel.GetGroupThrusterCount(userGroup)
                   : vessel.GetGroupThrusterCount(static_cast<THGROUP_TYPE>(groupType));
    }
    THRUSTER_HANDLE thruster(DWORD index) const {
        return userGroup != nullptr
                   ? vessel.GetGroupThruster(userGroup, index)
                   : vessel.GetGroupThruster(static_cast<THGROUP_TYPE>(groupType), index);
    }
};

struct GroupDefaults {
    VECTOR3 mono;
    VECTOR3 first;
    VECTOR3 second;
};

GroupDefaults defaultsOf(int groupType, double s) {
    switch (groupType) {
    case THGROUP_RETRO:
        return {{0, 0, s}, {-0.25 * s, 0, 0.5 * s}, {0.25 * s, 0, 0.5 * s}};
    case THGROUP_ATT_BACK:
        return {{0, 0, 0.5 * s}, {-0.25 * s, 0, 0.5 * s}, {0.25 * s, 0, 0.5 * s}};
    case THGROUP_HOVER:
        return {{0, 0, 0}, {0, 0, s / 3}, {0, 0, -s / 3}};
    case THGROUP_ATT_BANKLEFT:
        return {{-s / 3, 0, 0}, {-s / 3, 0, 0}, {-s / 3, 0, 0}};
    case THGROUP_ATT_BANKRIGHT:
        return {{s / 3, 0, 0}, {s / 3, 0, 0}, {s / 3, 0, 0}};
    default: // main, forward and the user group sit at the tail
        return {{0, 0, -0.5 * s}, {-0.25 * s, 0, -0.5 * s}, {0.25 * s, 0, -0.5 * s}};
    }
}

// The running midpoint of the reference points: later thrusters weigh more than in a mean,
// which is what placed sounds have always been tuned against. For the bank groups the outermost
// x on their side of the centre line instead. False when a thruster has no handle.
bool walkThrusters(const ThrusterWalk& walk, VECTOR3& result) {
    DWORD count = walk.count();
    result = {0, 0, 0};
    for (DWORD index = 0; index < count; ++index) {
        THRUSTER_HANDLE thruster = walk.thruster(index);
        if (thruster == nullptr) {
            return false;
        }
        VECTOR3 reference;
        walk.vessel.GetThrusterRef(thruster, reference);
        if (walk.groupType == THGROUP_ATT_BANKLEFT) {
            result.x = std::min(result.x, reference.x);
        } else if (walk.groupType == THGROUP_ATT_BANKRIGHT) {
            result.x = std::max(result.x, reference.x);
        } else if (index == 0) {
            result = reference;
        } else {
            result = {(result.x + reference.x) / 2, (result.y + reference.y) / 2,
                      (result.z + reference.z) / 2};
        }
    }
    return true;
}

THGROUP_HANDLE firstUserGroup(const VESSEL& vessel) {
    if (vessel.GetUserThrusterGroupCount() < 1) {
        return nullptr;
    }
    return vessel.GetUserThrusterGroupHandleByIndex(0);
}

void writePosition(const char* how, const char* label, const VECTOR3& first,
                   const VECTOR3* second) {
    if (second == nullptr) {
        logFormat("     %-25.25s\t%s mono(%.2f,%.2f,%.2f)", label, how, first.x, first.y, first.z);
    } else {
        logFormat("     %-25.25s\t%s left(%.2f,%.2f,%.2f) right(%.2f,%.2f,%.2f)", label, how,
                  first.x, first.y, first.z, second->x, second->y, second->z);
    }
}

VECTOR3 plus(const VECTOR3& a, const VECTOR3& b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

} // namespace

double placementSize(const VESSEL& vessel) {
    return std::max(vessel.GetSize(), smallestPlacementSizeM);
}

int thrusterGroupPosition(const VESSEL& vessel, int groupType, VECTOR3& first, VECTOR3* second) {
    double s = placementSize(vessel);
    GroupDefaults defaults = defaultsOf(groupType, s);
    first = second != nullptr ? defaults.first : defaults.mono;
    if (second != nullptr) {
        *second = defaults.second;
    }
    ThrusterWalk walk{vessel, groupType, nullptr};
    if (groupType == THGROUP_USER) {
        walk.userGroup = firstUserGroup(vessel);
        if (walk.userGroup == nullptr) {
            return 0;
        }
    }
    VECTOR3 a;
    if (walk.count() == 0 || !walkThrusters(walk, a)) {
        return 0;
    }
    switch (groupType) {
    case THGROUP_HOVER:
        first = second != nullptr ? VECTOR3{0, a.y, s / 3} : VECTOR3{0, a.y, 0};
        if (second != nullptr) {
            *second = {0, a.y, -s / 3};
        }
        break;
    case THGROUP_ATT_BANKLEFT:
    case THGROUP_ATT_BANKRIGHT:
        first = {a.x, 0, 0};
        if (second != nullptr) {
            *second = first;
        }
        break;
    default:
        first = second != nullptr ? VECTOR3{-0.25 * s, a.y, a.z} : VECTOR3{0, a.y, a.z};
        if (second != nullptr) {
            *second = {0.25 * s, a.y, a.z};
        }
        break;
    }
    return 1;
}

void seedFromClass(const VESSEL* vessel, int base) {
    int sum = base;
    const char* className = vessel != nullptr ? vessel->GetClassNameA() : nullptr;
    for (const char* c = className; c != nullptr && *c != '\0'; ++c) {
        sum += static_cast<signed char>(*c);
    }
    seedRandom(static_cast<uint32_t>(sum));
}

VECTOR3 radioPosition(const VESSEL* vessel) {
    if (vessel == nullptr) {
        return {0, 0, 0};
    }
    VECTOR3 cockpit;
    vessel->GetCameraOffset(cockpit);
    double across = ((drawRandom() % 20) - 10) / 10.0;
    return plus(cockpit, {across, -0.3, 0.5});
}

VECTOR3 ambiencePosition(const VESSEL* vessel) {
    if (vessel == nullptr) {
        return {0, 0, 0};
    }
    VECTOR3 cockpit;
    vessel->GetCameraOffset(cockpit);
    double across = ((drawRandom() % 40) - 20) / 10.0;
    double up = (drawRandom() & 1) != 0 ? 0.5 : -0.5;
    double along = (drawRandom() & 1) != 0 ? 2.0 : -2.0;
    return plus(cockpit, {across, up, along});
}

void resolveSoundPosition(const char* label, const StockPosition& entry, VECTOR3& first,
                          VECTOR3* second) {
    bool dump = classConfiguration.classDebugDisplay == 1;
    if (entry.configSet == 1) {
        first = entry.configLeft;
        if (second != nullptr) {
            *second = entry.configRight;
        }
        if (dump) {
            writePosition("by config", label, first, second);
        }
        return;
    }
    if (dump) {
        writePosition("calculated", label, first, second);
    }
    if (entry.secondSet == 1) {
        first = entry.secondLeft;
        if (second != nullptr) {
            *second = entry.secondRight;
        }
    }
}

} // namespace zephyrin
