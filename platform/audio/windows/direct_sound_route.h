// The way a plug-in's DirectSound reaches the trace on Windows: the plug-in calls the system's
// DirectSoundCreate8 itself, through the import table the loader filled in.
#pragma once

#include <windows.h>

namespace platform::audio {

// Points the module's import of DirectSoundCreate8 at a version that wraps the objects it
// creates in the traced ones of traced_objects.h while a trace runs (audio_output.h), and hands
// them out untouched otherwise.
void routeDirectSoundThroughTrace(HMODULE module);

} // namespace platform::audio
