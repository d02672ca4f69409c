// Planet wind and base ambience, chosen from the file names of their sound folders.
#pragma once

namespace zephyrin {

void listPlanetWindSounds();
void listBaseSounds();
void resetWindAndBaseState();
// Stops the base ambience and forgets the chosen base.
void StopBaseSound();

} // namespace zephyrin
