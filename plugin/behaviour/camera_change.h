#pragma once

#include "sdk/VoranthAPI.h"

namespace zephyrin {

// At a switch between cockpit and outside view: the 3D modes, the cones and the volumes of the
// sounds that belong to one side only.
void changeCamera(VESSEL& vessel);

} // namespace zephyrin
