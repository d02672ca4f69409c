#include "addon_fixture.h"

#include "plugin/addon/addon_sounds.h"
#include "plugin/addon/vessel_wave_slots.h"
#include "plugin/core/focus_vessel.h"
#include "plugin/core/plugin_state.h"

namespace testsupport {

namespace fake = platform::audio::fake;
using namespace zephyrin;

AddonTest::AddonTest(bool allow3D) : PluginSoundTest(allow3D) {
    forgetIssuedSoundIds();
    releaseMfdSounds();
    writeWave("Sound/Addon/beep.wav");
    writeWave("Sound/Addon/engine.wav", 2);
}

AddonTest::~AddonTest() {
    releaseMfdSounds();
    forgetIssuedSoundIds();
}

vrhost::Vessel& AddonTest::addVessel(const std::string& name) {
    vrhost::VesselSpec spec;
    spec.name = name;
    return vrhost::world().addVessel(spec);
}

void AddonTest::moveFocusTo(vrhost::Vessel& vessel) {
    vrhost::world().setFocus(vessel);
    plugin.focusObject = vessel.GetHandle();
    plugin.focusVessel = &vessel;
    loadFocusVesselSounds();
    loadQueuedAddonWaves();
}

int AddonTest::playCalls() const {
    return static_cast<int>(fake::callTexts("Play").size());
}

} // namespace testsupport
