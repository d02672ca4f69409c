#include "plugin/behaviour/callouts.h"

namespace zephyrin {

CalloutLatches callouts;

// The callout, radar and cabin rules come with the cockpit voices; until then these steps of
// the frame leave their slots silent.
void updateCountdownLatch(VESSEL&) {}
void updateAttitudeModeSounds() {}
void updateRadar() {}
void updateAirConditioning() {}
void updateCabinAmbience() {}
void updateGpwsCallouts() {}

} // namespace zephyrin
