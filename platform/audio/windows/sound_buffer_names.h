// On Windows the plug-in names its buffers in vrplatform.dll, which it shares with the host,
// and the host's trace takes each name when the buffer is created.
#pragma once

#include <string>

namespace platform::audio {

// The name nameNextSoundBuffer left for the calling thread's next buffer; cleared by the take.
std::string takeNextSoundBufferName();

} // namespace platform::audio
