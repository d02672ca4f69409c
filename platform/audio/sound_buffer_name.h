// A name for the next sound buffer, such as the wave file it will hold, so that the host's trace
// of what is heard (audio_output.h) says which sound a buffer plays. DirectSound has no buffer
// names: this stays beside its API. On Windows the plug-in calls the system's DirectSound, which
// the host's trace wraps without knowing the names: there it does nothing.
#pragma once

namespace platform::audio {

#ifdef _WIN32
inline void nameNextSoundBuffer(const char*) {}
#else
// The name goes to the next CreateSoundBuffer of the calling thread, and only to that one.
void nameNextSoundBuffer(const char* name);
#endif

} // namespace platform::audio
