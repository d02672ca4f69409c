// The simulator's functions on focus, objects, flight data, time and planets, answered from the
// stand-in world.
#include "host/day_number.h"
#include "host/vector_math.h"
#include "host/world.h"
#include "sdk/VoranthAPI.h"

#include <algorithm>
#include <cstring>

using vrhost::world;
using vrhost::operator-;

namespace {
// The simulator build this stand-in answers for.
constexpr int voranthVersion = 100830;

template <typename Objects> OBJHANDLE handleAt(const Objects& objects, int index) {
    if (index < 0 || static_cast<size_t>(index) >= objects.size()) {
        return nullptr;
    }
    return objects[static_cast<size_t>(index)]->handle();
}
} // namespace

VRAPI int vrapiGetVoranthVersion() {
    return voranthVersion;
}

VRAPI int Date2Int(const char* date) {
    return vrhost::dayNumber(date).value_or(0);
}

VRAPI OBJHANDLE vrapiGetFocusObject() {
    vrhost::Vessel* focus = world().focus();
    return focus != nullptr ? focus->handle() : nullptr;
}

VRAPI VESSEL* vrapiGetFocusInterface() {
    return world().focus();
}

VRAPI VESSEL* vrapiGetVesselInterface(OBJHANDLE object) {
    return world().vessel(object);
}

VRAPI bool vrapiIsVessel(OBJHANDLE object) {
    return world().vessel(object) != nullptr;
}

VRAPI DWORD vrapiGetObjectCount() {
    return static_cast<DWORD>(world().objectCount());
}

VRAPI OBJHANDLE vrapiGetObjectByIndex(int index) {
    if (index < 0) {
        return nullptr;
    }
    vrhost::WorldObject* object = world().objectAt(static_cast<size_t>(index));
    return object ? object->handle() : nullptr;
}

VRAPI DWORD vrapiGetStationCount() {
    return static_cast<DWORD>(world().stations().size());
}

VRAPI OBJHANDLE vrapiGetStationByIndex(int index) {
    return handleAt(world().stations(), index);
}

VRAPI void vrapiGetObjectName(OBJHANDLE object, char* name, int size) {
    if (name == nullptr || size <= 0) {
        return;
    }
    vrhost::WorldObject* found = world().object(object);
    const std::string text = found != nullptr ? found->objectName() : "";
    size_t copied = std::min(text.size(), static_cast<size_t>(size) - 1);
    std::memcpy(name, text.data(), copied);
    name[copied] = '\0';
}

VRAPI double vrapiGetMass(OBJHANDLE object) {
    vrhost::WorldObject* found = world().object(object);
    return found != nullptr ? found->objectMass() : 0.0;
}

VRAPI double vrapiGetSize(OBJHANDLE object) {
    vrhost::WorldObject* found = world().object(object);
    return found != nullptr ? found->objectSize() : 0.0;
}

VRAPI void vrapiGetGlobalPos(OBJHANDLE object, VECTOR3* position) {
    if (position == nullptr) {
        return;
    }
    vrhost::WorldObject* found = world().object(object);
    *position = found != nullptr ? found->globalPosition() : VECTOR3{0.0, 0.0, 0.0};
}

VRAPI void vrapiGetFocusRelativePos(OBJHANDLE object, VECTOR3* position) {
    if (position == nullptr) {
        return;
    }
    vrhost::WorldObject* found = world().object(object);
    vrhost::Vessel* focus = world().focus();
    if (found == nullptr || focus == nullptr) {
        *position = VECTOR3{0.0, 0.0, 0.0};
        return;
    }
    *position = found->globalPosition() - focus->globalPosition();
}

VRAPI bool vrapiGetAltitude(double* altitude) {
    vrhost::Vessel* focus = world().focus();
    if (focus == nullptr || altitude == nullptr) {
        return false;
    }
    *altitude = focus->altitude();
    return true;
}

VRAPI bool vrapiGetAirspeed(double* airspeed) {
    vrhost::Vessel* focus = world().focus();
    if (focus == nullptr || airspeed == nullptr) {
        return false;
    }
    *airspeed = focus->airspeed();
    return true;
}

VRAPI void vrapiGetEngineStatus(ENGINESTATUS* status) {
    if (status == nullptr) {
        return;
    }
    *status = ENGINESTATUS{};
    if (vrhost::Vessel* focus = world().focus()) {
        status->main = focus->groupLevel(THGROUP_MAIN) - focus->groupLevel(THGROUP_RETRO);
        status->hover = focus->groupLevel(THGROUP_HOVER);
        status->attmode = focus->attitudeMode();
    }
}

VRAPI int vrapiGetAttitudeMode() {
    vrhost::Vessel* focus = world().focus();
    return focus != nullptr ? focus->attitudeMode() : 0;
}

VRAPI double vrapiGetSysStep() {
    return world().systemStep();
}

VRAPI double vrapiGetTimeAcceleration() {
    return world().timeAcceleration();
}

VRAPI DWORD vrapiGetBaseCount(OBJHANDLE planet) {
    return planet == world().planet().handle() ? static_cast<DWORD>(world().bases().size()) : 0;
}

VRAPI OBJHANDLE vrapiGetBaseByIndex(OBJHANDLE planet, int index) {
    return planet == world().planet().handle() ? handleAt(world().bases(), index) : nullptr;
}

VRAPI void vrapiGetPlanetAtmParams(OBJHANDLE planet, double distance, ATMPARAM* parameters) {
    if (parameters == nullptr) {
        return;
    }
    *parameters = ATMPARAM{};
    if (planet == world().planet().handle()) {
        vrhost::AtmosphereSample air = world().planet().atmosphereAt(distance);
        parameters->T = air.temperatureK;
        parameters->p = air.pressurePa;
        parameters->rho = air.densityKgPerM3;
    }
}
