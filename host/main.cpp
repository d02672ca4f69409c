// vrhost: flies a scenario through the Zephyrin plug-in as the Voranth simulator would.
#include "host/audio_session.h"
#include "host/command_line.h"
#include "host/dynamic_library.h"
#include "host/mfd_picture.h"
#include "host/option_settings.h"
#include "host/plugin_module.h"
#include "host/scenario_parser.h"
#include "host/scenario_player.h"
#include "host/simulation.h"
#include "platform/clock.h"
#include "platform/module_path.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

namespace {

const std::filesystem::path pluginFolder = "Modules/Plugin";
const std::filesystem::path mainConfigurationFile = "Sound/Cfg/Zephyrin3.cfg";

// The folder of this program, where the simulator tree starts.
std::filesystem::path simulatorFolder() {
    std::string path = platform::executablePath();
    std::replace(path.begin(), path.end(), '\\', '/');
    return std::filesystem::path(path).parent_path();
}

int fault(const std::string& message) {
    std::fprintf(stderr, "vrhost: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    std::string error;
    std::optional<vrhost::CommandLine> options =
        vrhost::parseCommandLine(std::vector<std::string>(argv + 1, argv + argc), error);
    if (!options) {
        std::fprintf(stderr, "vrhost: %s\nTry 'vrhost --help'.\n", error.c_str());
        return 2;
    }
    if (options->help) {
        std::fputs(vrhost::usage().c_str(), stdout);
        return 0;
    }

    // The plug-in moves the current folder at start-up: every path is fixed before that.
    std::filesystem::path scenarioPath = std::filesystem::absolute(options->scenarioPath);
    std::filesystem::path root = simulatorFolder();
    std::filesystem::path pluginPath =
        options->pluginPath.empty()
            ? root / pluginFolder / vrhost::dynamic_library::fileName("Zephyrin")
            : std::filesystem::absolute(options->pluginPath);

    vrhost::Scenario scenario;
    try {
        scenario = vrhost::loadScenario(scenarioPath.string());
    } catch (const vrhost::ScenarioError& scenarioError) {
        std::fprintf(stderr, "%s\n", scenarioError.what());
        return 1;
    }

    if (!std::filesystem::exists(pluginPath)) {
        return fault("the plug-in " + pluginPath.string() +
                     " is missing (build the Zephyrin target, or name one with --plugin)");
    }
    std::vector<std::unique_ptr<vrhost::PluginModule>> modules;
    std::vector<std::filesystem::path> libraries{pluginPath};
    for (const std::string& addon : scenario.addons) {
        libraries.push_back(root / addon);
    }
    for (const std::filesystem::path& library : libraries) {
        std::unique_ptr<vrhost::PluginModule> module =
            vrhost::PluginModule::load(library.string(), error);
        if (!module) {
            return fault("cannot load " + library.string() + ": " + error);
        }
        modules.push_back(std::move(module));
    }
    std::vector<vrhost::PluginCallbacks> callbacks;
    for (const auto& module : modules) {
        callbacks.push_back(module->callbacks());
    }

    if (options->date) {
        platform::setLocalDate(options->date->year, options->date->month, options->date->day);
    }

    bool quiet = options->quiet;
    vrhost::Simulation simulation(callbacks);
    simulation.setReporter([quiet](double simTime, const std::string& message) {
        if (!quiet) {
            std::printf("[%7.2f s] %s\n", simTime, message.c_str());
        }
    });
    std::ofstream mfdDump;
    if (!options->mfdDumpPath.empty()) {
        mfdDump.open(options->mfdDumpPath);
        if (!mfdDump) {
            std::fprintf(stderr, "vrhost: cannot write the MFD text to %s\n",
                         options->mfdDumpPath.c_str());
            return 2;
        }
    }
    std::string pictureFolder = options->mfdPictureFolder;
    if (!pictureFolder.empty()) {
        std::error_code made;
        std::filesystem::create_directories(pictureFolder, made);
    }
    if (mfdDump.is_open() || !pictureFolder.empty()) {
        simulation.setMfdDump(
            [&mfdDump, pictureFolder](double simTime, const vrhost::OpenMfd& display) {
                char field[64];
                for (const vrhost::DrawnText& text : display.texts()) {
                    if (mfdDump.is_open()) {
                        std::snprintf(field, sizeof field, "%.3f\t%d\t%d\t0x%06X\t", simTime,
                                      text.x, text.y, static_cast<unsigned>(text.colour));
                        mfdDump << field << text.text << '\n';
                    }
                }
                mfdDump.flush();
                if (!pictureFolder.empty()) {
                    std::snprintf(field, sizeof field, "mfd-%.3f.png", simTime);
                    std::string failure;
                    if (!vrhost::writeMfdPicture(
                            (std::filesystem::path(pictureFolder) / field).string(),
                            static_cast<int>(display.width()), static_cast<int>(display.height()),
                            display.texts(), failure)) {
                        std::fprintf(stderr, "vrhost: %s\n", failure.c_str());
                    }
                }
            });
    }
    if (!quiet) {
        std::vector<std::string> descriptions = simulation.moduleDescriptions();
        for (size_t i = 0; i < modules.size(); ++i) {
            std::printf("vrhost: module %s (%s)\n", modules[i]->path().c_str(),
                        descriptions[i].c_str());
        }
    }
    vrhost::AudioSession audio;
    vrhost::AudioSessionOptions audioOptions;
    audioOptions.recordPath =
        options->recordPath.empty() ? "" : std::filesystem::absolute(options->recordPath).string();
    audioOptions.tracePath =
        options->tracePath.empty() ? "" : std::filesystem::absolute(options->tracePath).string();
    audioOptions.realtime = options->realtime;
    audioOptions.headphones = options->headphones;
    audioOptions.showProgress = !quiet && !options->recordPath.empty();
    if (!audio.start(
            audioOptions, [&simulation] { return simulation.simTime(); }, error)) {
        return fault(error);
    }
    simulation.useSimulatedClock(!audio.realtime());

    vrhost::PlayOptions playOptions;
    playOptions.withWindow = options->withWindow;
    playOptions.afterFrame = [&audio](double systemStepS, double flownFraction) {
        audio.afterFrame(systemStepS, flownFraction);
    };
    if (!quiet) {
        playOptions.progress = [](const std::string& message) {
            std::printf("vrhost: %s\n", message.c_str());
            std::fflush(stdout);
        };
    }
    vrhost::OptionFileOverride scenarioOptions(root / mainConfigurationFile, scenario.options);
    playOptions.configurationRead = [&scenarioOptions](bool reading) {
        if (reading) {
            scenarioOptions.apply();
        } else {
            scenarioOptions.restore();
        }
    };
    vrhost::ScenarioPlayer player(scenario, simulation, playOptions);
    try {
        player.playAll();
    } catch (const vrhost::ScenarioError& scenarioError) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", scenarioError.what());
        return 1;
    }
    if (!audio.finish(error)) {
        return fault(error);
    }
    if (!quiet && !options->recordPath.empty()) {
        std::printf("vrhost: recorded %.1f s of sound in %s\n", audio.recordedSeconds(),
                    audioOptions.recordPath.c_str());
    }
    if (!quiet && !options->tracePath.empty()) {
        std::printf("vrhost: trace in %s\n", audioOptions.tracePath.c_str());
    }
    std::fflush(stdout);
    return 0;
}
