// A name for the next sound buffer, such as the wave file it will hold, so that the host's trace
// of what is heard (audio_output.h) says which sound a buffer plays. DirectSound has no buffer
// names: this stays beside its API.
#pragma once

namespace platform::audio {

// The name goes to the next CreateSoundBuffer of the calling thread, and only to that one.
void nameNextSoundBuffer(const char* name);

} // namespace platform::audio
