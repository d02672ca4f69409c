// Any bytes as the focus vessel's class file: read, applied, its animation sounds made and its
// animations moved through both ends, so that every sound the file names is loaded and played.
#include "host/world.h"
#include "plugin/addon/vessel_table.h"
#include "plugin/classconfig/animation_sounds.h"
#include "plugin/classconfig/class_configuration.h"
#include "plugin_fuzz_support.h"

namespace {

using namespace zephyrin;

constexpr int animationCount = 3;
constexpr double animationSteps[] = {0.5, 1.0, 0.5, 0.0};

vrhost::Vessel& lander() {
    static vrhost::Vessel* made = [] {
        fuzzsupport::startPluginOnce();
        for (const char* name : {"gear_move", "gear_lock", "door_open", "click"}) {
            fuzzsupport::writeScratchWave(std::string("Sound/_CustomVesselsSounds/Lander/") + name +
                                          ".wav");
        }
        vrhost::VesselSpec spec;
        spec.className = "Lander";
        vrhost::Vessel& vessel = vrhost::world().addVessel(spec);
        for (int animation = 0; animation < animationCount; ++animation) {
            vessel.addAnimationComponent(vessel.addAnimation(0.0), {});
        }
        vrhost::world().setFocus(vessel);
        plugin.focusObject = vessel.GetHandle();
        plugin.focusVessel = &vessel;
        run.currentVesselIndex = LEGACY_SOUND_ID;
        return &vessel;
    }();
    return *made;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    vrhost::Vessel& vessel = lander();
    fuzzsupport::writeScratchFile("Sound/_CustomVesselsSounds/Lander.cfg", data, size);
    InitAnimationSounds(&vessel);
    readVesselClassConfiguration();
    DumpAnimations();
    for (double state : animationSteps) {
        for (int animation = 0; animation < animationCount; ++animation) {
            vessel.setAnimationState(animation, state);
        }
        UpdateAnimationSounds(&vessel, 1);
    }
    ReleaseAnimationSounds();
    fuzzsupport::forgetInput();
    return 0;
}
