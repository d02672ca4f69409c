#include "plugin/behaviour/atmosphere_sounds.h"

namespace zephyrin {

AtmosphereLatches atmosphere;

// The rules of the wind, the re-entry and the boom come with the atmosphere sounds; until then
// these steps of the frame leave their slots silent.
void applySupersonicObserverRule() {}
void updateSonicBoom() {}
void updateWindAndBaseAmbience() {}
void updateWindAirspeed() {}
void updateReentry() {}

} // namespace zephyrin
