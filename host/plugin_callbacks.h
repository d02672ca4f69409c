// The callbacks of one plug-in as the simulator resolves them by name; any may be missing.
#pragma once

#include "sdk/VoranthAPI.h"

namespace vrhost {

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
};

} // namespace vrhost
