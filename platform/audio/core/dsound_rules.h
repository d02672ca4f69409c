// What DirectSound accepts: the checks both implementations make before they act, so that a call
// refused on Windows is refused here too.
#pragma once

#include "platform/audio/dsound.h"

#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace platform::audio {

// The first failure among checks made in order, else DS_OK.
HRESULT firstFailure(std::initializer_list<HRESULT> results);

// A PCM format a secondary buffer can hold: 1 to 8 channels of 8, 16, 24 or 32 bits, a rate
// within DSBFREQUENCY_MIN..MAX, and block alignment and byte rate that agree with them. A 3D
// buffer further takes one channel only.
bool isPlayablePcm(const WAVEFORMATEX& format);

// A format the primary buffer mixes at: as a secondary buffer's, with 1 or 2 channels.
bool isPrimaryPcm(const WAVEFORMATEX& format);

// The description's size, flag combination, buffer size and format (DSERR_INVALIDPARAM when
// refused; DSERR_BADFORMAT for a format that is not playable PCM).
HRESULT checkBufferDescription(const DSBUFFERDESC* description);

HRESULT checkVolume(LONG volumeMillibels);
HRESULT checkPan(LONG panMillibels);
HRESULT checkFrequency(DWORD frequencyHz);
HRESULT checkMode(DWORD mode);
HRESULT checkApply(DWORD apply);
HRESULT checkConeAngles(DWORD insideDegrees, DWORD outsideDegrees);
HRESULT checkMinMaxDistance(float distance);
HRESULT checkBufferParameters(const DS3DBUFFER& parameters);
HRESULT checkListenerParameters(const DS3DLISTENER& parameters);
HRESULT checkDistanceFactor(float metresPerUnit);
HRESULT checkRolloffFactor(float rolloff);
HRESULT checkDopplerFactor(float doppler);

// The one or two spans (the second where the region wraps to the start) that Lock hands out.
struct LockRegion {
    DWORD firstOffset = 0;
    DWORD firstBytes = 0;
    DWORD secondBytes = 0;
};
HRESULT lockRegion(DWORD bufferBytes, DWORD offset, DWORD bytes, DWORD flags, DWORD writeCursor,
                   LockRegion& region);

// What a device without hardware buffers reports: software mixing of 8 and 16-bit mono and
// stereo at any rate in DSBFREQUENCY_MIN..MAX, not certified, no hardware buffers or memory.
DSCAPS softwareMixingCapabilities();

// Unlock's spans are those Lock handed out: the first inside the samples, the second (when
// there is one) at their start.
HRESULT checkUnlock(const uint8_t* samples, size_t sampleBytes, const void* first, DWORD firstBytes,
                    const void* second, DWORD secondBytes);

// GetFormat: copies as much of `format` as the caller has room for, or only reports its size.
HRESULT copyFormat(const WAVEFORMATEX& format, LPWAVEFORMATEX out, DWORD sizeAllocated,
                   LPDWORD sizeWritten);

// The parameters a new 3D buffer and a new listener start with.
DS3DBUFFER default3DBufferParameters();
DS3DLISTENER defaultListenerParameters();

} // namespace platform::audio
