// What the pilot does with the radio from the Radio / Radar / MP3 display.
#pragma once

namespace zephyrin {

// Com becomes mem and mem com; the chatter retunes to the new com frequency.
void SwapFrequencies();
// Takes `text` as the standby frequency when it has 7 characters with its first "." at index 3.
bool SetStandbyFrequency(const char* text);
// Levels 1..5 set VOLATC to 135..255; a chatter plays as a sample of the new volume.
void StepVolumeLevel();
// Mutes or unmutes the chatter; with the chatter off in the options it switches it on instead,
// until the options are read again.
void ToggleMute();

} // namespace zephyrin
