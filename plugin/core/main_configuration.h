// The user's options from "Sound\Cfg\Zephyrin3.cfg", as the plug-in holds them.
#pragma once

#include "shared/option_record.h"

namespace zephyrin {

// The focus vessel's options, read by every behaviour.
extern OptionRecord liveOptions;
// What the file held: the options of vessels that no add-on registered.
extern OptionRecord savedOptions;

// Reads the file into the live record; creates or repairs the file with the plug-in defaults.
void loadMainConfiguration();

// 3D cones and RCS positioning need 3D audio; the Mach-cone silence needs the cones.
void apply3dInvariants(OptionRecord& options);

} // namespace zephyrin
