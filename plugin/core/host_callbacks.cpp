// The callbacks the simulator makes into the plug-in: module start and end, simulation window
// open and close, and focus changes.
#include "platform/clock.h"
#include "platform/com.h"
#include "platform/file_system.h"
#include "platform/module_path.h"
#include "platform/result_codes.h"
#include "plugin/addon/addon_sounds.h"
#include "plugin/addon/vessel_table.h"
#include "plugin/audio/sound_device_lifecycle.h"
#include "plugin/behaviour/frame_driver.h"
#include "plugin/classconfig/class_configuration.h"
#include "plugin/core/advanced_configuration.h"
#include "plugin/core/focus_vessel.h"
#include "plugin/core/greetings.h"
#include "plugin/core/log.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/random.h"
#include "plugin/core/simulator_folder.h"
#include "plugin/core/stock_slots.h"
#include "plugin/core/welcome_notice.h"
#include "plugin/environment/planet_and_base_sounds.h"
#include "plugin/radio/mp3_player.h"
#include "plugin/radio/radio.h"
#include "plugin/radio/radio_display.h"
#include "sdk/VoranthAPI.h"

#include <cstdio>
#include <cstring>

using namespace zephyrin;

namespace {

constexpr const char* buildDate = "Nov 20 2012";
constexpr DWORD priorityCooperativeLevel = 2; // DSSCL_PRIORITY
constexpr int primaryChannels = 2;
constexpr DWORD radioDisplayKey = VRKEY_R;

void startRun() {
    zeroRunState();
    run.airCondFrequency = airCondNominalFrequency;
    run.airCondTargetFrequency = airCondNominalFrequency;
    run.airCondEnabled = 1;
    run.currentVesselIndex = LEGACY_SOUND_ID;
}

// The file's options become the saved record and every vessel's own copy.
void takeOptionsFromFile() {
    loadMainConfiguration();
    savedOptions = liveOptions;
    startAllVesselRecords();
}

void registerRadioDisplay() {
    static MFDMODESPECEX spec;
    spec.name = radioDisplayModeName;
    spec.key = radioDisplayKey;
    spec.context = nullptr;
    spec.msgproc = radioDisplayMessageProc;
    plugin.mfdModeId = vrapiRegisterMFDMode(spec);
}

} // namespace

VRPLUGIN_CALLBACK void InitModule(HINSTANCE moduleHandle) {
    findSimulatorFolder(platform::executablePath().c_str(), plugin.simulatorDir,
                        sizeof plugin.simulatorDir);
    platform::setCurrentFolder(plugin.simulatorDir);
    std::snprintf(run.simulatorDir, sizeof run.simulatorDir, "%s", plugin.simulatorDir);

    if (plugin.initCount == 0) {
        createLogWithBanner(vrapiGetVoranthVersion());
    }
    ++plugin.initCount;
    plugin.moduleInstance = moduleHandle;

    seedRandom(platform::tickCountMs());
    if (FAILED(platform::comInitialize())) {
        logLine("Error CoInitialize");
    }
    loadAdvancedConfiguration();
    logTextError(0, "Voranth directory: ", plugin.simulatorDir);
    logLine("Listing planets winds and bases sounds:");
    listPlanetWindSounds();
    listBaseSounds();

    takeOptionsFromFile();
    startRun();
    forgetIssuedSoundIds();
    registerRadioDisplay();
    logLine("Passed initModule - Ok");
}

VRPLUGIN_CALLBACK void ExitModule(HINSTANCE) {
    vrapiUnregisterMFDMode(plugin.mfdModeId);
    platform::comUninitialize();
    logLine("Passed ExitModule - Ok");
    logClose();
}

VRPLUGIN_CALLBACK void vrpcOpenRenderViewport(HWND window, DWORD, DWORD, BOOL) {
    logClose();
    logLine("Attempting RenderViewport initialisation...");
    if (window == nullptr) {
        logLine("No windows handle, Zephyrin not initialized...");
        plugin.renderWindow = nullptr;
        plugin.focusObject = nullptr;
        plugin.focusVessel = nullptr;
        plugin.device = nullptr;
        return;
    }
    seedRandom(platform::tickCountMs());
    emptyStockSlots();
    resetFrameState();

    std::snprintf(run.simulatorDir, sizeof run.simulatorDir, "%s", plugin.simulatorDir);
    run.airCondEnabled = 1;
    run.currentVesselIndex = LEGACY_SOUND_ID;
    run.cameraDistance = vrapiCameraTargetDist();
    run.previousCameraDistance = run.cameraDistance;

    plugin.device = nullptr;
    run.airCondFrequency = airCondNominalFrequency;
    run.airCondTargetFrequency = airCondNominalFrequency;
    plugin.renderWindow = window;
    plugin.focusObject = vrapiGetFocusObject();
    plugin.focusVessel = vrapiGetFocusInterface();

    resetRadioTables();
    resetAnimationState();
    resetWindAndBaseState();
    setUpRadio();
    GetStartValue();

    logLine("Initialising directsound...");
    HRESULT created = createSoundDevice(window, priorityCooperativeLevel, primaryChannels,
                                        advancedConfiguration.primaryBufferFrequency,
                                        advancedConfiguration.primaryBufferBitRate,
                                        liveOptions.ALLOW3DAUDIO == 1, plugin.device);
    if (FAILED(created)) {
        logError(created, "Init DirectSound error->");
        plugin.device = nullptr;
    }
    if (plugin.device == nullptr) {
        logLine("\n!!!!!!!!!!!!!!!ERROR FAILED TO INITIALISE DIRECTSOUND!!!!!!!!!!!!!!!\n");
        return;
    }
    logLine("directsound initialised - OK");
    if (plugin.focusVessel != nullptr) {
        plugin.focusMassAtOpen = static_cast<int32_t>(plugin.focusVessel->GetMass());
    }
    CheckSpecialDate();
    loadFixedRunSounds();

    logLine("Passed RenderViewport - Ok");
    logLine("Attempting Mp3 initialisation...");
    plugin.mp3Player = createMp3Player(run.simulatorDir, liveOptions.MP3MODE, liveOptions.VOLMP3);
    if (plugin.mp3Player != nullptr) {
        if (liveOptions.MP3SHUFFLEATSTART == 1) {
            shuffleMp3Playlist(plugin.mp3Player);
        }
        logLine("Mp3 initialised - Ok");
    } else {
        logLine("ERROR Mp3 NOT initialised");
    }

    showWelcomeNoticeWhenAsked();
    run.stockSoundsPending = 1;
    loadFocusVesselSounds();
    commitListener(plugin.device);
    run.soundsReady = 1;
}

VRPLUGIN_CALLBACK void vrpcFocusChanged(OBJHANDLE newFocus, OBJHANDLE oldFocus) {
    if (newFocus == oldFocus || newFocus == nullptr || plugin.device == nullptr) {
        return;
    }
    logLine("attempting focus change...");
    plugin.focusObject = vrapiGetFocusObject();
    if (plugin.focusObject == nullptr) {
        return;
    }
    plugin.focusVessel = vrapiGetVesselInterface(plugin.focusObject);
    if (plugin.focusVessel == nullptr) {
        return;
    }
    if (run.soundsReady == 0) {
        logLine("Focus not ready bypassing focus change - Ok");
        return;
    }
    GetStartValue();
    run.stockSoundsPending = 1;
    loadFocusVesselSounds();
    logLine("focus changed - Ok");
    logClose();
}

VRPLUGIN_CALLBACK void vrpcCloseRenderViewport() {
    logClose();
    logLine("Attempting to close viewport...");
    if (plugin.mp3Player != nullptr) {
        stopAndDestroyMp3Player(plugin.mp3Player);
    }
    stopAndEmptyVesselWaveSlots();

    takeOptionsFromFile();
    resetFrameState();
    zeroRunState();
    run.airCondEnabled = 1;

    releaseMfdSounds();
    ReleaseAnimationSounds();
    stopAndEmptyAllStockSlots();
    stopAndEmptyVesselWaveSlots();

    if (plugin.device != nullptr) {
        logLine("Attempting to kill DirectSound...");
        destroySoundDevice(plugin.device);
        logLine("DirectSound killed - OK");
    }
    tearDownRadio();
    forgetIssuedSoundIds();
    run.soundsReady = 0;
    plugin.renderWindow = nullptr;
    logLine("Passed CloseRenderViewport - Ok\nExited to Voranth Launchpad - OK\n");
    logClose();
}

VRPLUGIN_CALLBACK const char* ModuleDate() {
    return buildDate;
}

VRPLUGIN_CALLBACK int GetModuleVersion() {
    static int version = 0;
    static bool computed = false;
    if (!computed) {
        version = Date2Int(VORANTH_SDK_DATE);
        computed = true;
    }
    return version;
}
