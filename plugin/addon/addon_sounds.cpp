#include "plugin/addon/addon_sounds.h"

namespace zephyrin {

// Add-ons cannot register or load sounds in this build yet, so nothing is held.
void stopAndEmptyVesselWaveSlots() {}
void forgetIssuedSoundIds() {}
void releaseMfdSounds() {}

} // namespace zephyrin
