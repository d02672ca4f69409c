#include "plugin/radio/radio_display.h"

namespace zephyrin {

namespace {
int radarDisplayMode = 0;
}

// The display's pages come with the radio; until then an MFD that opens the mode stays empty.
LRESULT radioDisplayMessageProc(UINT, UINT, WPARAM, LPARAM) {
    return 0;
}

void setRadarDisplayMode(int mode) {
    radarDisplayMode = mode;
}

} // namespace zephyrin
