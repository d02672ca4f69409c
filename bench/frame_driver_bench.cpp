// The cost of the plug-in's frame with every engine and jet of the focus vessel firing, and the
// time from the window open to the end of the first frame, which loads the stock sounds. Both
// run against the scriptable DirectSound (it mixes nothing and only records the calls), on the
// generated sound pack of the build's simulator tree.
//
//   bench_frame_driver                         Google Benchmark figures
//   bench_frame_driver --frames=N              N frames and nothing else, for instruction counts:
//     valgrind --tool=callgrind --toggle-collect='zephyrin::runFrame(double)'
//              bench_frame_driver --frames=2000
//   The first frame loads the stock sounds: (Ir with --frames=2000 − Ir with --frames=0) ÷ 2000
//   is the instructions of one frame.
#include "host/world.h"
#include "platform/audio/dsound_fake.h"
#include "plugin/addon/vessel_table.h"
#include "plugin/audio/sound_device_lifecycle.h"
#include "plugin/behaviour/frame_driver.h"
#include "plugin/core/advanced_configuration.h"
#include "plugin/core/log.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/stock_slots.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

VRPLUGIN_CALLBACK void vrpcOpenRenderViewport(HWND window, DWORD, DWORD, BOOL);
VRPLUGIN_CALLBACK void vrpcPreStep(double simTime, double simStep, double mjd);

namespace {

using namespace zephyrin;
namespace fake = platform::audio::fake;

constexpr double frameSeconds = 1.0 / 60;
// The fake keeps every call it receives; it is emptied this often, outside the timing.
constexpr int framesBetweenRecordResets = 2048;

// A scratch simulator folder whose "Sound" is the build's generated sound pack, so that the
// log and the options written during the run stay out of the pack.
void enterSimulatorFolder() {
    static const bool entered = [] {
        std::filesystem::path folder = std::filesystem::temp_directory_path() / "zephyrin-bench";
        std::filesystem::create_directories(folder);
        std::filesystem::path sound = folder / "Sound";
        if (!std::filesystem::exists(sound)) {
            std::filesystem::create_directory_symlink(VORANTH_SOUND_DIR, sound);
        }
        std::filesystem::current_path(folder);
        std::filesystem::remove(folder / "Zephyrin_Log.txt");
        return true;
    }();
    (void)entered;
}

void startPlugin() {
    enterSimulatorFolder();
    fake::reset();
    loadAdvancedConfiguration();
    fillPluginDefaults(liveOptions);
    apply3dInvariants(liveOptions);
    savedOptions = liveOptions;
    startAllVesselRecords();
    zeroRunState();
}

// A 20 m glider with two main engines, a hover and an aux engine and the twelve attitude
// groups, flying at 300 m/s seen from outside.
vrhost::Vessel& buildGlider() {
    vrhost::World& world = vrhost::world();
    world.reset();
    vrhost::VesselSpec spec;
    spec.size = 20;
    spec.altitude = 2000;
    vrhost::Vessel& glider = world.addVessel(spec);
    glider.addThruster({THGROUP_MAIN}, {-2, 0, -12}, {0, 0, 1});
    glider.addThruster({THGROUP_MAIN}, {2, 0, -12}, {0, 0, 1});
    glider.addThruster({THGROUP_HOVER}, {0, -2, 0}, {0, 1, 0});
    glider.addUserThruster(0, {0, 1, -10}, {0, 0, 1});
    for (int jet = THGROUP_ATT_PITCHUP; jet <= THGROUP_ATT_BACK; ++jet) {
        glider.addThruster({static_cast<THGROUP_TYPE>(jet)}, {jet % 2 ? 8.0 : -8.0, 0, 0},
                           {0, 1, 0});
        glider.setGroupLevel(static_cast<THGROUP_TYPE>(jet), 0.8);
    }
    glider.setGroupLevel(THGROUP_HOVER, 0.7);
    glider.setUserGroupLevel(0, 0.9);
    glider.setAirspeed(300);
    world.setFocus(glider);
    world.camera().internal = false;
    world.camera().targetDistanceM = 80;
    world.setSystemStep(frameSeconds);
    return glider;
}

void openWindow() {
    vrpcOpenRenderViewport(reinterpret_cast<HWND>(1), 1280, 800, 0);
}

void closeWindow() {
    stopAndEmptyAllStockSlots();
    destroySoundDevice(plugin.device);
    zeroRunState();
    plugin.renderWindow = nullptr;
    logClose();
}

// The throttle breathes, so that the main engine's requests keep changing as in flight.
void flyFrame(vrhost::Vessel& glider, int frame) {
    glider.setThrottle(0.75 + 0.25 * std::sin(frame * 0.05));
    vrpcPreStep(frame * frameSeconds, frameSeconds, 0);
}

void BM_FrameWithAllEnginesAndJets(benchmark::State& state) {
    startPlugin();
    vrhost::Vessel& glider = buildGlider();
    openWindow();
    int frame = 1;
    flyFrame(glider, frame);
    for (auto _ : state) {
        flyFrame(glider, ++frame);
        if (frame % framesBetweenRecordResets == 0) {
            state.PauseTiming();
            fake::reset();
            state.ResumeTiming();
        }
    }
    state.counters["frames"] = frame;
    closeWindow();
}
BENCHMARK(BM_FrameWithAllEnginesAndJets)->Unit(benchmark::kNanosecond);

void BM_WindowOpenToFirstStockLoad(benchmark::State& state) {
    startPlugin();
    vrhost::Vessel& glider = buildGlider();
    for (auto _ : state) {
        openWindow();
        flyFrame(glider, 1);
        state.PauseTiming();
        closeWindow();
        fake::reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_WindowOpenToFirstStockLoad)->Unit(benchmark::kMillisecond);

// -1 when not asked.
int framesAsked(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        int frames = 0;
        if (std::sscanf(argv[i], "--frames=%d", &frames) == 1) {
            return frames;
        }
    }
    return -1;
}

// Only the frames, for a profiler that counts instructions; the first frame, which loads the
// stock sounds, always runs, so that --frames=0 measures it alone.
void flyFrames(int frames) {
    startPlugin();
    vrhost::Vessel& glider = buildGlider();
    openWindow();
    flyFrame(glider, 1);
    for (int frame = 2; frame <= frames + 1; ++frame) {
        flyFrame(glider, frame);
        if (frame % framesBetweenRecordResets == 0) {
            fake::reset();
        }
    }
    closeWindow();
}

} // namespace

int main(int argc, char** argv) {
    if (int frames = framesAsked(argc, argv); frames >= 0) {
        flyFrames(frames);
        std::printf("%d frames flown\n", frames);
        return 0;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
