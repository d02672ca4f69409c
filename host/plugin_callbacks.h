// The callbacks of one plug-in as the simulator resolves them by name; any may be missing.
#pragma once

#include "sdk/VoranthAPI.h"

namespace vrhost {

// vrhost's own callback, for add-ons that take a scenario's "call" events: the words of the
// call, the function's name first.
typedef void (*ScenarioCallCallback)(int wordCount, const char* const* words);

struct PluginCallbacks {
    HINSTANCE module = nullptr; // what InitModule and ExitModule receive
    InitModuleCallback initModule = nullptr;
    ExitModuleCallback exitModule = nullptr;
    OpenRenderViewportCallback openRenderViewport = nullptr;
    CloseRenderViewportCallback closeRenderViewport = nullptr;
    PreStepCallback preStep = nullptr;
    FocusChangedCallback focusChanged = nullptr;
    ModuleDateCallback moduleDate = nullptr;
    ModuleVersionCallback moduleVersion = nullptr;
    ScenarioCallCallback scenarioCall = nullptr;
};

} // namespace vrhost
