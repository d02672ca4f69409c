#include "plugin/behaviour/vessel_setup.h"

namespace zephyrin {

// No behaviour of this build places sounds or watches docking ports yet.
void countDockingPorts() {}
void setUp3dModes() {}
void detectAuxThrusters() {}

} // namespace zephyrin
