// The trace of what is heard (see audio_output.h for its columns): written by the DirectSound
// objects after each call that changes the sound, when the host has started it.
#pragma once

#include <string>

namespace platform::audio {

// "buffer<N>", N counting the buffers of the process from 1.
std::string newBufferObjectName();

bool traceEnabled();
void traceCall(const std::string& object, const char* call, const std::string& arguments,
               const std::string& bufferName = {});

} // namespace platform::audio
