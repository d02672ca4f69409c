// GliderSounds: the example vessel add-on of the manual. It gives every Delta-glider its own
// sounds through Zephyrin's add-on interface, written against sdk/ZephyrinAddon.h alone:
// - the main engines as a 3D stereo pair at the two nozzles, beamed backwards by a cone, in
//   place of Zephyrin's stock main engine (switched off for this vessel);
// - a cockpit fan heard inside only, and a far roar of the engines heard outside only;
// - the tower's clearance once as a radio message, which holds the radio chatter back;
// - its own hover engine sound, replacing the stock one.
// It binds Zephyrin at run time: without Zephyrin the glider flies silent, but it flies.
#define ZEPHYRIN_ADDON_BINDING
#include "VoranthAPI.h"
#include "ZephyrinAddon.h"

#include <cstring>
#include <vector>

namespace {

enum GliderWave { EnginePair = 1, CockpitFan = 2, OutsideRoar = 3, TowerClearance = 4 };

constexpr const char* gliderClass = "DeltaGlider";
constexpr int fullVolume = 255;
constexpr int engineIdleHz = 18000;
constexpr int engineFullHz = 26000;
constexpr double clearanceAltitudeM = 30.0;

struct Glider {
    OBJHANDLE handle;
    int soundId;
    bool clearanceGiven;
};

ZephyrinBinding zephyrin;
std::vector<Glider> gliders;

void giveSounds(OBJHANDLE handle) {
    int id = zephyrin.GetVesselSoundID3(handle);
    if (id < 0) {
        return;
    }
    const VECTOR3 leftNozzle{-1.2, 0.0, -7.6};
    const VECTOR3 rightNozzle{1.2, 0.0, -7.6};
    const VECTOR3 tail{0.0, 0.0, -9.0};
    zephyrin.LoadVesselWave3dZephx4(id, EnginePair, "Sound\\Vessel\\mainextloud.wav", VIEW_BOTH_FAR,
                                    &leftNozzle, &rightNozzle, 1);
    const ConeParameters backwards{120, 260, {0.0, 0.0, -1.0}, 90.0};
    zephyrin.Set3dWaveParametersZephx4(id, EnginePair, nullptr, nullptr, nullptr, nullptr,
                                       &backwards);
    zephyrin.LoadVesselWaveZephx3(id, CockpitFan, "Sound\\Vessel\\attsustain.wav",
                                  VIEW_INSIDE_ONLY);
    zephyrin.LoadVesselWave3dZephx4(id, OutsideRoar, "Sound\\Vessel\\AuxThr.wav", VIEW_OUTSIDE_FAR,
                                    &tail, nullptr, 0);
    zephyrin.LoadVesselWaveZephx3(id, TowerClearance, "Sound\\Vessel\\landClr.wav", VIEW_RADIO);
    zephyrin.SoundOption3(id, PLAYMAINTHRUST, 0);
    zephyrin.ReplaceStockZephx3(id, "Sound\\Vessel\\retro.wav", REPLACE_HOVER_THRUST);
    gliders.push_back({handle, id, false});
}

Glider* focusGlider() {
    OBJHANDLE focus = vrapiGetFocusObject();
    for (Glider& glider : gliders) {
        if (glider.handle == focus) {
            return &glider;
        }
    }
    return nullptr;
}

} // namespace

VRPLUGIN_CALLBACK void InitModule(HINSTANCE) {
    zephyrin = zephyrinBind();
}

VRPLUGIN_CALLBACK void vrpcOpenRenderViewport(HWND, DWORD, DWORD, BOOL) {
    if (!zephyrin.present) {
        return;
    }
    for (DWORD index = 0; index < vrapiGetObjectCount(); ++index) {
        OBJHANDLE object = vrapiGetObjectByIndex(static_cast<int>(index));
        VESSEL* vessel = vrapiIsVessel(object) ? vrapiGetVesselInterface(object) : nullptr;
        if (vessel != nullptr && std::strcmp(vessel->GetClassNameA(), gliderClass) == 0) {
            giveSounds(object);
        }
    }
}

// Every frame: the calls with unchanged values cost nothing, Zephyrin filters them.
VRPLUGIN_CALLBACK void vrpcPreStep(double, double, double) {
    Glider* glider = zephyrin.present ? focusGlider() : nullptr;
    VESSEL* vessel = vrapiGetFocusInterface();
    if (glider == nullptr || vessel == nullptr) {
        return;
    }
    double main = vessel->GetThrusterGroupLevel(THGROUP_MAIN);
    int id = glider->soundId;
    if (main > 0.0) {
        int frequency = engineIdleHz + static_cast<int>(main * (engineFullHz - engineIdleHz));
        zephyrin.PlayVesselWaveZephx3(id, EnginePair, 1, static_cast<int>(main * fullVolume),
                                      frequency);
        zephyrin.PlayVesselWaveZephx3(id, OutsideRoar, 1, static_cast<int>(main * fullVolume), 0);
    } else if (zephyrin.IsPlayingVesselWave3(id, EnginePair) == 1) {
        zephyrin.StopVesselWave3(id, EnginePair);
        zephyrin.StopVesselWave3(id, OutsideRoar);
    }
    zephyrin.PlayVesselWaveZephx3(id, CockpitFan, 1, 70, 0);
    double altitude = 0.0;
    // The tower waits until the radio chatter has finished its sentence.
    bool chatterTalks =
        zephyrin.IsPlayingRadioVesselWave != nullptr && zephyrin.IsPlayingRadioVesselWave() == 1;
    if (!glider->clearanceGiven && !chatterTalks && vrapiGetAltitude(&altitude) &&
        altitude > clearanceAltitudeM) {
        glider->clearanceGiven =
            zephyrin.PlayVesselExclusiveWaveZephx3(id, TowerClearance, 0, 230, 0) == 1;
    }
}

VRPLUGIN_CALLBACK void vrpcCloseRenderViewport() {
    gliders.clear();
}
