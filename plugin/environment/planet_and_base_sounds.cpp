#include "plugin/environment/planet_and_base_sounds.h"

namespace zephyrin {

// This build plays no planet wind or base ambience yet: nothing is listed or chosen.
void listPlanetWindSounds() {}
void listBaseSounds() {}
void resetWindAndBaseState() {}
void StopBaseSound() {}

} // namespace zephyrin
