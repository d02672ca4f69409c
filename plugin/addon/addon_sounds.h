// The add-on side of the focus vessel: its wave slots, the ids handed out, the MFD add-on sounds.
#pragma once

#include "plugin/addon/vessel_wave_slots.h"

namespace zephyrin {

// The next registration receives id 0.
void forgetIssuedSoundIds();
void releaseMfdSounds();
// At a switch between cockpit and outside view, the add-on waves follow their view rules.
void switchAddonSoundsView(int cameraInternal);

} // namespace zephyrin
