#include "host/simulation.h"

#include "platform/clock.h"

namespace vrhost {

namespace {
// The simulator repaints its displays once a second.
constexpr double mfdRepaintIntervalS = 1.0;
} // namespace

Simulation::Simulation(std::vector<PluginCallbacks> plugins) : plugins_(std::move(plugins)) {
    useSimulatedClock(true);
}

Simulation::~Simulation() {
    world().screen().setListener(nullptr);
    if (simulatedClock_) {
        platform::useSimulatedClock(false);
    }
}

void Simulation::setReporter(Reporter reporter) {
    reporter_ = std::move(reporter);
    world().screen().setListener([this](const std::string& message) { report(message); });
}

void Simulation::useSimulatedClock(bool enabled) {
    simulatedClock_ = enabled;
    platform::useSimulatedClock(enabled);
}

void Simulation::initModule() {
    for (const PluginCallbacks& plugin : plugins_) {
        if (plugin.initModule != nullptr) {
            plugin.initModule(plugin.module);
        }
    }
    afterCallback();
}

void Simulation::exitModule() {
    for (const PluginCallbacks& plugin : plugins_) {
        if (plugin.exitModule != nullptr) {
            plugin.exitModule(plugin.module);
        }
    }
    afterCallback();
}

void Simulation::openViewport(bool withWindow, DWORD width, DWORD height) {
    simTimeS_ = 0.0;
    world().setSystemStep(0.0);
    for (const PluginCallbacks& plugin : plugins_) {
        if (plugin.openRenderViewport != nullptr) {
            plugin.openRenderViewport(withWindow ? simulationWindow : nullptr, width, height,
                                      FALSE);
        }
    }
    afterCallback();
}

void Simulation::closeViewport() {
    // The displays close with the window, before the plug-ins hear of it.
    closeMfd();
    world().inputBox().cancel();
    for (const PluginCallbacks& plugin : plugins_) {
        if (plugin.closeRenderViewport != nullptr) {
            plugin.closeRenderViewport();
        }
    }
    afterCallback();
}

void Simulation::changeFocus(Vessel& vessel) {
    World& w = world();
    Vessel* previous = w.focus();
    if (previous == &vessel) {
        return;
    }
    w.setFocus(vessel);
    report("focus: " + vessel.objectName());
    OBJHANDLE oldHandle = previous != nullptr ? previous->handle() : nullptr;
    for (const PluginCallbacks& plugin : plugins_) {
        if (plugin.focusChanged != nullptr) {
            plugin.focusChanged(vessel.handle(), oldHandle);
        }
    }
    afterCallback();
}

bool Simulation::scenarioCall(const std::vector<std::string>& words) {
    std::vector<const char*> texts;
    for (const std::string& word : words) {
        texts.push_back(word.c_str());
    }
    bool taken = false;
    for (const PluginCallbacks& plugin : plugins_) {
        if (plugin.scenarioCall != nullptr) {
            plugin.scenarioCall(static_cast<int>(texts.size()), texts.data());
            taken = true;
        }
    }
    afterCallback();
    return taken;
}

void Simulation::frame(double systemStepS) {
    World& w = world();
    double simStepS = systemStepS * w.timeAcceleration();
    w.setSystemStep(systemStepS);
    if (simulatedClock_) {
        platform::advanceSimulatedClock(systemStepS);
    }
    for (const PluginCallbacks& plugin : plugins_) {
        if (plugin.preStep != nullptr) {
            plugin.preStep(simTimeS_, simStepS, mjd());
        }
    }
    afterCallback();
    mfdPaintTimerS_ += systemStepS;
    if (mfd_ && mfdPaintTimerS_ >= mfdRepaintIntervalS) {
        paintMfd();
    }
    w.advance(simStepS);
    simTimeS_ += simStepS;
}

bool Simulation::openMfd(const std::string& modeName, DWORD width, DWORD height) {
    closeMfd();
    const MfdMode* mode = mfdModes().find(modeName);
    if (mode == nullptr) {
        return false;
    }
    mfd_ = OpenMfd::open(*mode, width, height, world().focus());
    if (!mfd_) {
        return false;
    }
    std::string buttons;
    for (const std::string& label : mfd_->buttonLabels()) {
        buttons += " " + (label.empty() ? std::string("-") : label);
    }
    report("mfd: opened \"" + modeName + "\"" + (buttons.empty() ? "" : ", buttons:" + buttons));
    paintMfd();
    return true;
}

void Simulation::closeMfd() {
    if (mfd_) {
        report("mfd: closed \"" + mfd_->modeName() + "\"");
        mfd_.reset();
        mfdRows_.clear();
    }
}

void Simulation::paintMfd() {
    if (!mfd_) {
        return;
    }
    mfdPaintTimerS_ = 0.0;
    std::vector<std::string> rows = mfd_->paint();
    if (rows == mfdRows_) {
        return;
    }
    mfdRows_ = rows;
    for (const std::string& row : rows) {
        report("mfd| " + row);
    }
    if (mfdDump_) {
        mfdDump_(simTimeS_, *mfd_);
    }
}

bool Simulation::answerInputBox(const std::string& text) {
    bool accepted = world().inputBox().answer(text);
    afterCallback();
    return accepted;
}

std::vector<std::string> Simulation::moduleDescriptions() const {
    std::vector<std::string> descriptions;
    for (const PluginCallbacks& plugin : plugins_) {
        const char* date = plugin.moduleDate != nullptr ? plugin.moduleDate() : nullptr;
        std::string text = date != nullptr ? date : "no date";
        if (plugin.moduleVersion != nullptr) {
            text += ", version " + std::to_string(plugin.moduleVersion());
        }
        descriptions.push_back(text);
    }
    return descriptions;
}

void Simulation::report(const std::string& message) {
    if (reporter_) {
        reporter_(simTimeS_, message);
    }
}

void Simulation::afterCallback() {
    world().screen().reportDebugChange();
}

} // namespace vrhost
