#include "plugin/core/special_dates.h"

namespace zephyrin {

// Greetings need the stock slots, which this build does not have yet.
void CheckSpecialDate() {}

} // namespace zephyrin
