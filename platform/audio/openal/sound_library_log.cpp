// The messages of the sound library beneath OpenAL Soft: ALSA prints its errors on the standard
// error ("ALSA lib confmisc.c:855:(parse_card) cannot find card '0'"), a dozen lines on a
// machine without a sound card. Its error handler sends them to the host's log hook instead.
// OpenAL Soft 1.19 offers no hook for its own messages: they are quieted unless the user asks
// for them with ALSOFT_LOGLEVEL.
#include "platform/audio/openal/sound_library_log.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <utility>

namespace platform::audio {

namespace {
using AlsaErrorHandler = void (*)(const char* file, int line, const char* function, int error,
                                  const char* format, ...);
using SetAlsaErrorHandler = int (*)(AlsaErrorHandler handler);

SoundLibraryLog& hook() {
    static SoundLibraryLog theHook;
    return theHook;
}

void alsaMessage(const char*, int, const char*, int, const char* format, ...) {
    if (!hook() || format == nullptr)
        return;
    char text[512];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    hook()(std::string("ALSA: ") + text);
}

// ALSA stays loaded once asked for, as OpenAL Soft loads it itself: the handler is ALSA's own
// global, shared with OpenAL Soft's copy.
void routeAlsaMessages(bool routed) {
    static void* alsa = dlopen("libasound.so.2", RTLD_NOW);
    if (alsa == nullptr)
        return;
    auto setHandler =
        reinterpret_cast<SetAlsaErrorHandler>(dlsym(alsa, "snd_lib_error_set_handler"));
    if (setHandler != nullptr)
        setHandler(routed ? alsaMessage : nullptr);
}
} // namespace

void setSoundLibraryLog(SoundLibraryLog log) {
    const bool routed = static_cast<bool>(log);
    hook() = std::move(log);
    if (routed)
        setenv("ALSOFT_LOGLEVEL", "0", 0); // read when OpenAL Soft opens its first device
    routeAlsaMessages(routed);
}

void logSoundLibraryMessage(const std::string& message) {
    if (hook())
        hook()(message);
}

} // namespace platform::audio
