#include "plugin/behaviour/frame_state.h"

namespace zephyrin {

FrameState frame;
int32_t startupFrameCount = 0;

} // namespace zephyrin
