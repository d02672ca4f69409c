// Drives plug-ins through a simulation as the simulator does: InitModule once, then for each
// run the window opening, one vrpcPreStep per frame, focus changes and the window closing, and
// ExitModule at the end. The world (world()) holds what the plug-ins read between the calls.
//
//     vrhost::Simulation simulation({callbacksOfThePlugin});
//     simulation.initModule();
//     simulation.openViewport();
//     for (int frame = 0; frame < 100; ++frame) {
//         simulation.frame(1.0 / 50.0);
//     }
//     simulation.closeViewport();
//     simulation.exitModule();
#pragma once

#include "host/mfd.h"
#include "host/plugin_callbacks.h"
#include "host/world.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace vrhost {

// The fake window handle of a run with a window.
inline HWND const simulationWindow = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x5A1D0));

// Modified Julian date at simulation time 0 unless the scenario sets one.
constexpr double defaultStartMjd = 51544.5;

class Simulation {
public:
    using Reporter = std::function<void(double simTimeS, const std::string& message)>;
    // Receives every piece of text of an MFD repaint that changed what the display shows.
    using MfdDump = std::function<void(double simTimeS, const OpenMfd& display)>;

    // The plug-ins receive every callback in this order.
    explicit Simulation(std::vector<PluginCallbacks> plugins);
    ~Simulation();
    Simulation(const Simulation&) = delete;
    Simulation& operator=(const Simulation&) = delete;

    // Receives the debug line and annotation changes, the MFD text and the host's remarks.
    void setReporter(Reporter reporter);
    void setMfdDump(MfdDump dump) { mfdDump_ = std::move(dump); }
    void setStartMjd(double mjd) { startMjd_ = mjd; }
    // Drives the platform's millisecond tick and counter from the frame steps (on by default,
    // back to the real clock when the simulation ends), so that faster-than-real-time runs
    // measure the intervals they simulate.
    void useSimulatedClock(bool enabled);

    void initModule();
    void exitModule();
    // Opens the window (a null window handle when `withWindow` is false); simulation time
    // starts again at 0.
    void openViewport(bool withWindow = true, DWORD width = 1280, DWORD height = 800);
    void closeViewport();
    // Moves the focus to `vessel` and tells the plug-ins (new, old) when it changed.
    void changeFocus(Vessel& vessel);

    // One frame of `systemStepS` real seconds: vrpcPreStep(simTime, systemStep x time
    // acceleration, mjd), then the world moves on and the simulation time advances.
    void frame(double systemStepS);
    double simTime() const { return simTimeS_; }
    double mjd() const { return startMjd_ + simTimeS_ / 86400.0; }

    // Opens a display on a registered mode for the focus vessel and paints it; false when no
    // such mode is registered or the mode made no display.
    bool openMfd(const std::string& modeName, DWORD width = 256, DWORD height = 256);
    void closeMfd();
    OpenMfd* mfd() { return mfd_.get(); }
    // Paints the open display and reports its text when it changed.
    void paintMfd();
    // Answers the open input box; false when none is open or the plug-in refused the text.
    bool answerInputBox(const std::string& text);

    // Hands a scenario's "call" event to the add-ons that take calls; false when none does.
    bool scenarioCall(const std::vector<std::string>& words);

    // Texts of the plug-ins' ModuleDate and GetModuleVersion, for the host's start-up lines.
    std::vector<std::string> moduleDescriptions() const;

    // Passes a remark of the host to the reporter, with the simulation time.
    void report(const std::string& message);

private:
    void afterCallback();

    std::vector<PluginCallbacks> plugins_;
    Reporter reporter_;
    MfdDump mfdDump_;
    double startMjd_ = defaultStartMjd;
    double simTimeS_ = 0.0;
    bool simulatedClock_ = true;
    std::unique_ptr<OpenMfd> mfd_;
    std::vector<std::string> mfdRows_;
    double mfdPaintTimerS_ = 0.0;
};

} // namespace vrhost
