#include "plugin/core/welcome_dismissal.h"

#include "platform/file_system.h"
#include "plugin/core/key_down.h"
#include "plugin/core/plugin_state.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"

#include <cstdio>

namespace zephyrin {

void dismissWelcomeOnSpace() {
    if (run.welcomeAnnotation == nullptr) {
        return;
    }
    if (plugin.welcomePending == 1) {
        playWaveSimple(stockSlot(Welcome), 0, slotVolumeMax);
        plugin.welcomePending = 0;
    }
    if (KeyDown(' ', nullptr) == 0) {
        return;
    }
    stopSlot(stockSlot(Welcome));
    vrapiDelAnnotation(run.welcomeAnnotation);
    run.welcomeAnnotation = nullptr;
    if (FILE* file = platform::openFile("Sound\\Cfg\\NoWelcome.cfg", "wt")) {
        std::fclose(file);
    }
}

} // namespace zephyrin
