// A plug-in library loaded at run time, with its callbacks resolved by their exported names.
#pragma once

#include "host/plugin_callbacks.h"

#include <memory>
#include <string>

namespace vrhost {

class PluginModule {
public:
    // Loads the library at `path` (a path of this file system). Its symbols are made available
    // to libraries loaded after it, as add-ons resolve the plug-in's exports. On failure returns
    // null and says why in `error`.
    static std::unique_ptr<PluginModule> load(const std::string& path, std::string& error);
    ~PluginModule();
    PluginModule(const PluginModule&) = delete;
    PluginModule& operator=(const PluginModule&) = delete;

    const std::string& path() const { return path_; }
    const PluginCallbacks& callbacks() const { return callbacks_; }

private:
    PluginModule(std::string path, void* library);

    std::string path_;
    void* library_;
    PluginCallbacks callbacks_;
};

} // namespace vrhost
