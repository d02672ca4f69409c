#include "plugin/core/plugin_state.h"

#include <cstring>

namespace zephyrin {

PluginState plugin;
RunState run;

void zeroRunState() {
    std::memset(&run, 0, sizeof run);
}

} // namespace zephyrin
