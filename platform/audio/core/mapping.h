// DirectSound's units and coordinates in a mixer's terms: the mapping math, kept pure.
#pragma once

#include "platform/audio/core/mixer.h"

namespace platform::audio {

// Speed of sound in air, metres per second, as DirectSound's Doppler effect assumes.
inline constexpr float speedOfSoundMetresPerSecond = 343.3f;

// Hundredths of a decibel (DirectSound volume) to a linear gain: 10^(mB / 2000).
float gainFromMillibels(LONG millibels);

// A buffer's playback frequency to a pitch ratio against the wave's own rate; 0 (original) is 1.
float pitchRatio(DWORD frequencyHz, DWORD waveRateHz);

// DirectSound is left-handed (x right, y up, z forward), the mixer right-handed (-z forward).
Vector3 rightHanded(const D3DVECTOR& vector);

// A 3D buffer's parameters with the listener's rolloff factor.
SourcePlacement sourcePlacement(const DS3DBUFFER& parameters, float rolloffFactor);

// A 2D buffer: unattenuated at the listener, turned toward the side its pan favours, hard left
// or right at the pan's ends.
SourcePlacement panPlacement(LONG panMillibels);

ListenerPlacement listenerPlacement(const DS3DLISTENER& parameters);

// Whether a 3D buffer is farther from the listener than its maximum distance (never in disabled
// mode), for buffers created with DSBCAPS_MUTE3DATMAXDISTANCE.
bool isPastMaxDistance(const DS3DBUFFER& parameters, const DS3DLISTENER& listener);

} // namespace platform::audio
