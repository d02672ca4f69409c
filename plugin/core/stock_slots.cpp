#include "plugin/core/stock_slots.h"

namespace zephyrin {

// No stock sound is loaded by this build yet, so there is nothing to load, stop or empty.
void emptyStockSlots() {}
void stopAndEmptyAllStockSlots() {}
void loadFixedRunSounds() {}
void loadWelcomeSound() {}
void stopSlotsOfDisabledOptions(const OptionRecord&) {}

} // namespace zephyrin
