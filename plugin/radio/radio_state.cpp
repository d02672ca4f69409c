#include "plugin/radio/radio_state.h"

namespace zephyrin {

RadioState radio;

} // namespace zephyrin
