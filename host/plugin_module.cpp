#include "host/plugin_module.h"

#include "host/dynamic_library.h"

namespace vrhost {

namespace {
template <typename Function> Function resolve(void* library, const char* name) {
    return reinterpret_cast<Function>(dynamic_library::symbol(library, name));
}
} // namespace

std::unique_ptr<PluginModule> PluginModule::load(const std::string& path, std::string& error) {
    void* library = dynamic_library::open(path, error);
    if (library == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<PluginModule>(new PluginModule(path, library));
}

PluginModule::PluginModule(std::string path, void* library)
    : path_(std::move(path)), library_(library) {
    callbacks_.module = static_cast<HINSTANCE>(library);
    callbacks_.initModule = resolve<InitModuleCallback>(library, "InitModule");
    callbacks_.exitModule = resolve<ExitModuleCallback>(library, "ExitModule");
    callbacks_.openRenderViewport =
        resolve<OpenRenderViewportCallback>(library, "vrpcOpenRenderViewport");
    callbacks_.closeRenderViewport =
        resolve<CloseRenderViewportCallback>(library, "vrpcCloseRenderViewport");
    callbacks_.preStep = resolve<PreStepCallback>(library, "vrpcPreStep");
    callbacks_.focusChanged = resolve<FocusChangedCallback>(library, "vrpcFocusChanged");
    callbacks_.moduleDate = resolve<ModuleDateCallback>(library, "ModuleDate");
    callbacks_.moduleVersion = resolve<ModuleVersionCallback>(library, "GetModuleVersion");
    callbacks_.scenarioCall = resolve<ScenarioCallCallback>(library, "vrhostScenarioCall");
}

PluginModule::~PluginModule() {
    dynamic_library::close(library_);
}

} // namespace vrhost
