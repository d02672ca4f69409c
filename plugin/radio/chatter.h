// The chatter heard on the com frequency: random waves without repeats, or the tuned folder's
// sequential program, and the static of the black-out during re-entry.
#pragma once

namespace zephyrin {

// One lateTick of the chatter schedule.
void UpdateRadio();
// Loads wave `index` of the tuned folder at the radio position and plays it once at `volume`;
// in random mode a wave already heard in this cycle gives way to one not yet heard.
void PlayChatter(int index, int volume);
void updateBlackoutNoise();

// VOLATC less the outside reduction.
int heardChatterVolume();
// That volume, or 0 outside when the radio is not heard outside.
int chatterVolume();

} // namespace zephyrin
