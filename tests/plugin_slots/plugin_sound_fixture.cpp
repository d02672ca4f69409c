#include "plugin_sound_fixture.h"

#include "plugin/addon/vessel_table.h"
#include "plugin/addon/vessel_wave_slots.h"
#include "plugin/audio/sound_device.h"
#include "plugin/audio/sound_device_lifecycle.h"
#include "plugin/audio/wave_reader.h"
#include "plugin/behaviour/frame_driver.h"
#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/advanced_configuration.h"
#include "plugin/core/log.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/stock_slot_table.h"
#include "wave_fixture.h"

#include <cstring>

namespace testsupport {

namespace fake = platform::audio::fake;
using namespace zephyrin;

namespace {

constexpr double processInterval60PerSecond = 1.0 / 60 - 0.0006;

struct StockFile {
    const char* path;
    int channels;
};

// The stock files as a sound pack ships them: the pairs and the attitude jets in stereo.
constexpr StockFile stockFiles[] = {
    {"Sound/Vessel/mainext.wav", 2},
    {"Sound/Vessel/mainextloud.wav", 2},
    {"Sound/Vessel/hover_int.wav", 2},
    {"Sound/Vessel/retro.wav", 2},
    {"Sound/Vessel/AuxThr.wav", 2},
    {"Sound/Vessel/attfire40stereo.wav", 2},
    {"Sound/Vessel/attsustain40stereo1.wav", 2},
    {"Sound/Vessel/attsustain40stereo2.wav", 2},
    {"Sound/Vessel/attfire.wav", 1},
    {"Sound/Vessel/attsustain.wav", 1},
    {"Sound/Vessel/aircond.wav", 2},
    {"Sound/Vessel/RcsattmodeOff.wav", 1},
    {"Sound/Vessel/RcsattmodeRot.wav", 1},
    {"Sound/Vessel/RcsattmodeTrans.wav", 1},
    {"Sound/Vessel/countdown.wav", 1},
    {"Sound/Vessel/airspeed.wav", 2},
    {"Sound/Vessel/reentryfar.wav", 1},
    {"Sound/Vessel/land.wav", 1},
    {"Sound/Vessel/roll.wav", 2},
    {"Sound/Vessel/brake.wav", 2},
    {"Sound/Vessel/crash.wav", 2},
    {"Sound/Vessel/docking.wav", 2},
    {"Sound/Vessel/Undocking.wav", 2},
    {"Sound/Vessel/docking_radio.wav", 1},
    {"Sound/Vessel/undocking_radio.wav", 1},
    {"Sound/Vessel/landClr.wav", 1},
    {"Sound/Vessel/radar_bip.wav", 1},
    {"Sound/Vessel/radar_close.wav", 1},
};

constexpr int gpwsHeights[] = {10, 20, 30, 40, 50, 100, 200, 300, 400, 500, 1000, 2500};

void emptyPlugin() {
    stopAndEmptyAllStockSlots();
    stopAndEmptyVesselWaveSlots();
    resetFrameState();
    zeroRunState();
    startAllVesselRecords();
    classConfiguration = ClassConfigurationState{};
}

} // namespace

PluginSoundTest::PluginSoundTest(bool allow3D) {
    fake::reset();
    vrhost::world().reset();
    advancedConfiguration = AdvancedConfiguration{
        22050, 16, 0.25, 1.0, 1.0, processInterval60PerSecond, 10, false, false};
    fillPluginDefaults(liveOptions);
    liveOptions.ALLOW3DAUDIO = allow3D ? 1 : 0;
    apply3dInvariants(liveOptions);
    savedOptions = liveOptions;
    WaveReader::channelSelector = 1;
    emptyPlugin();
    plugin.renderWindow = reinterpret_cast<HWND>(1);
    createSoundDevice(plugin.renderWindow, DSSCL_PRIORITY, 2, 22050, 16, allow3D, plugin.device);
    run.currentVesselIndex = LEGACY_SOUND_ID;
}

PluginSoundTest::~PluginSoundTest() {
    emptyPlugin();
    destroySoundDevice(plugin.device);
    plugin.renderWindow = nullptr;
    plugin.focusObject = nullptr;
    plugin.focusVessel = nullptr;
    logClose();
}

vrhost::Vessel& PluginSoundTest::focusOn(const vrhost::VesselSpec& spec) {
    vrhost::Vessel& vessel = vrhost::world().addVessel(spec);
    vrhost::world().setFocus(vessel);
    plugin.focusObject = vessel.GetHandle();
    plugin.focusVessel = &vessel;
    run.currentVesselIndex = LEGACY_SOUND_ID;
    vesselTable[LEGACY_SOUND_ID].vesselHandle = plugin.focusObject;
    return vessel;
}

void PluginSoundTest::writeWave(const std::string& relativePath, int channels, int rate) const {
    WaveLayout layout;
    layout.channels = static_cast<uint16_t>(channels);
    layout.sampleRate = static_cast<uint32_t>(rate);
    std::vector<int16_t> samples(static_cast<size_t>(64 * channels), 1000);
    folder.write(relativePath, waveFile(layout, pcm16(samples)));
}

void PluginSoundTest::writeStockWaves() const {
    for (const StockFile& file : stockFiles) {
        writeWave(file.path, file.channels);
    }
    for (int index = 0; index < 9; ++index) {
        writeWave("Sound/Vessel/ambient" + std::to_string(index) + ".wav");
    }
    for (int height : gpwsHeights) {
        writeWave("Sound/Vessel/-" + std::to_string(height) + ".wav");
    }
}

std::string PluginSoundTest::log() const {
    logClose();
    return folder.exists("Zephyrin_Log.txt") ? folder.read("Zephyrin_Log.txt") : std::string();
}

const fake::BufferState* PluginSoundTest::bufferOf(const std::string& fileName) const {
    for (int id = fake::bufferCount(); id >= 1; --id) {
        if (fake::buffer(id).name == fileName) {
            return &fake::buffer(id);
        }
    }
    return nullptr;
}

int PluginSoundTest::buffersNamed(const std::string& fileName) const {
    int count = 0;
    for (int id = 1; id <= fake::bufferCount(); ++id) {
        count += fake::buffer(id).name == fileName ? 1 : 0;
    }
    return count;
}

} // namespace testsupport
