#include "plugin/addon/addon_sounds.h"

namespace zephyrin {

// Add-ons cannot register sounds in this build yet, so no id or MFD sound is held.
void forgetIssuedSoundIds() {}
void releaseMfdSounds() {}
void switchAddonSoundsView(int) {}

} // namespace zephyrin
