// A simulation window with the add-on interface as an add-on sees it: vessels of the stand-in
// world to connect, waves below the scratch folder, the focus moved as the simulator moves it.
#pragma once

#include "plugin_sound_fixture.h"
#include "sdk/ZephyrinAddon.h"

#include <string>

namespace testsupport {

class AddonTest : public PluginSoundTest {
protected:
    explicit AddonTest(bool allow3D = true);
    ~AddonTest() override;

    vrhost::Vessel& addVessel(const std::string& name);
    // The focus change of the simulator, then the frame that loads the queued waves.
    void moveFocusTo(vrhost::Vessel& vessel);
    int playCalls() const;

    // Mono waves at 22050 Hz, and a stereo one.
    static constexpr const char* beep = "Sound\\Addon\\beep.wav";
    static constexpr const char* engine = "Sound\\Addon\\engine.wav";
};

} // namespace testsupport
