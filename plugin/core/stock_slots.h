// The 49 stock sound slots of the plug-in.
#pragma once

#include "shared/option_record.h"

namespace zephyrin {

void emptyStockSlots();
void stopAndEmptyAllStockSlots();
// Noise, sonic booms and the radio tune sweep: the sounds every run needs whatever the vessel.
void loadFixedRunSounds();
void loadWelcomeSound();
// Stops the slots whose switch is off in the given options.
void stopSlotsOfDisabledOptions(const OptionRecord& options);

} // namespace zephyrin
