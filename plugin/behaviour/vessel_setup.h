// What the focus vessel's set-up learns of the vessel for the placement and docking rules.
#pragma once

namespace zephyrin {

void countDockingPorts();
void setUp3dModes();
void detectAuxThrusters();

} // namespace zephyrin
