// The listener follows the camera, in the focus vessel's frame.
#pragma once

#include "sdk/VoranthAPI.h"

namespace zephyrin {

// The camera in the vessel's frame as of the last update, for the debug line.
extern VECTOR3 cameraPositionInVessel;

// On processing ticks: the listener's position, orientation and Doppler velocity, and the
// ambience pairs around it.
void updateListener(VESSEL& vessel);

} // namespace zephyrin
