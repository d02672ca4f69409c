// The add-on side of the focus vessel: its wave slots, the ids handed out, the MFD add-on sounds.
#pragma once

namespace zephyrin {

void stopAndEmptyVesselWaveSlots();
// The next registration receives id 0.
void forgetIssuedSoundIds();
void releaseMfdSounds();

} // namespace zephyrin
