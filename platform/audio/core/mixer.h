// What the DirectSound objects ask of a mixer: one voice per buffer, one listener, one output.
// Placements are already in the mixer's terms (right-handed coordinates, linear gains, pitch
// ratios); mapping.h turns DirectSound's values into them.
#pragma once

#include "platform/audio/dsound.h"

#include <cstddef>
#include <cstdint>
#include <memory>

namespace platform::audio {

struct Vector3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    bool operator==(const Vector3&) const = default;
};

struct SourcePlacement {
    bool listenerRelative = false;
    Vector3 position;
    Vector3 velocity;
    Vector3 direction; // zero: no cone
    float referenceDistance = 1.0f;
    float maxDistance = 1.0e9f;
    float rolloffFactor = 1.0f;
    float coneInnerDegrees = 360.0f;
    float coneOuterDegrees = 360.0f;
    float coneOuterGain = 1.0f;
    bool operator==(const SourcePlacement&) const = default;
};

struct ListenerPlacement {
    Vector3 position;
    Vector3 velocity;
    Vector3 at{0.0f, 0.0f, -1.0f};
    Vector3 up{0.0f, 1.0f, 0.0f};
    float dopplerFactor = 1.0f;
    float speedOfSound = 343.3f; // in the application's units per second
};

// One playing source for one buffer's samples.
class Voice {
public:
    virtual ~Voice() = default;
    // Replaces the samples (PCM as DirectSound holds it) and keeps the play position and state.
    virtual void setSamples(const uint8_t* data, size_t bytes, const WAVEFORMATEX& format) = 0;
    // Starts from the current position; while playing, only the looping changes.
    virtual void play(bool looping) = 0;
    // Stops where it is; play resumes from there.
    virtual void pause() = 0;
    virtual bool isPlaying() const = 0;
    virtual uint32_t playPositionBytes() const = 0;
    virtual void setPlayPositionBytes(uint32_t bytes) = 0;
    virtual void setGain(float gain) = 0;
    virtual void setPitch(float ratio) = 0;
    virtual void setPlacement(const SourcePlacement& placement) = 0;
};

class Mixer {
public:
    virtual ~Mixer() = default;
    // Null when no more voices can be had.
    virtual std::unique_ptr<Voice> createVoice() = 0;
    virtual void setListener(const ListenerPlacement& placement) = 0;
    virtual void setMasterGain(float gain) = 0;
    // The primary buffer's format: the rate and channels the output mixes at, where it can.
    virtual void setOutputFormat(const WAVEFORMATEX& format) = 0;
    virtual DWORD speakerConfig() const = 0;
    // Changes made between the two calls are heard together.
    virtual void beginBatch() = 0;
    virtual void endBatch() = 0;
};

} // namespace platform::audio
