// Playing the focus vessel's add-on waves, shared by the interface with ids and the older one.
#pragma once

namespace zephyrin {

// Plays wave 1..60 of the focus record once as a radio message and silences the chatter while
// it lasts; `markAsRadio` makes it a VIEW_RADIO wave from then on.
int playExclusiveWave(int id, int wave, bool looping, int volume, int frequency, bool markAsRadio,
                      const char* failureText);
int stopFocusWave(int id, int wave);
int isFocusWavePlaying(int id, int wave);

} // namespace zephyrin
