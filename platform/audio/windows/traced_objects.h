// The system's DirectSound objects seen through the trace of audio_output.h: each wrapper passes
// every call to the object it wraps and, after a call that changes what is heard and succeeded,
// writes the trace line that the OpenAL implementation writes for the same call.
#pragma once

#include "platform/audio/dsound.h"

#include <string>

namespace platform::audio {

// Each takes over the reference to `system` that the caller held. `object` is the trace's name of
// the buffer; `sound` the name of the sound it holds (nameNextSoundBuffer).
IDirectSound8* traceDirectSound(IDirectSound8* system);
IDirectSoundBuffer8* traceBuffer(IDirectSoundBuffer8* system, const DSBUFFERDESC& description,
                                 const std::string& name);
IDirectSound3DBuffer* traceBuffer3D(IDirectSound3DBuffer* system, const std::string& object,
                                    const std::string& sound);
IDirectSound3DListener* traceListener(IDirectSound3DListener* system);

} // namespace platform::audio
