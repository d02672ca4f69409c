// The platform's media facility for compressed music: one MP3 file at a time, decoded and played
// by the platform, steered from the simulator's thread. On Windows a DirectShow filter graph
// renders the file to the system's sound output; on Linux libmpg123 decodes it on the caller's
// thread into a streaming buffer of the DirectSound-shaped sound library, so that the host's
// recording and trace hear the music as they hear every other sound.
#pragma once

#include "platform/audio/dsound.h"

#include <memory>

namespace platform::media {

// Receives the lines of the back-end's own account (which way it loaded a file, what failed).
using MediaLog = void (*)(const char* line);

class MediaGraph {
public:
    virtual ~MediaGraph() = default;
    // Opens `path` (a system path, relative to the current folder or absolute) ready to run.
    virtual HRESULT load(const char* path) = 0;
    // E_NOINTERFACE when the platform gives the graph no media control.
    virtual HRESULT run() = 0;
    virtual HRESULT stop() = 0;
    virtual HRESULT seekToStart() = 0;
    // Hundredths of a decibel, -10000 (silence) .. 0 (full).
    virtual HRESULT setVolume(long volume) = 0;
    // Polled without waiting: true once the whole file has been heard.
    virtual bool completed() = 0;
    virtual void release() = 0;
};

// `output` is the device the Linux back-end plays through; the Windows graph finds its own.
std::unique_ptr<MediaGraph> createMediaGraph(IDirectSound8* output, MediaLog log);

} // namespace platform::media
