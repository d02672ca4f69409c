#include "plugin/radio/radio.h"

namespace zephyrin {

// This build has no radio yet: there is nothing to reset, tune, schedule or save.
void resetRadioTables() {}
void setUpRadio() {}
void tearDownRadio() {}
void scheduleNextChatter() {}
void scheduleFirstChatter(double) {}
void updateRadioChatter() {}
void updateRadioBlackout() {}
bool sequentialProgramSuppressesCountdown() { return false; }

} // namespace zephyrin
