#include "platform/audio/core/dsound_rules.h"

#include <cmath>
#include <cstring>

namespace platform::audio {

namespace {
constexpr DWORD locationFlags = DSBCAPS_LOCHARDWARE | DSBCAPS_LOCSOFTWARE;
// Flags that a primary buffer takes; the rest describe secondary buffers only.
constexpr DWORD primaryFlags = DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRL3D | DSBCAPS_CTRLVOLUME |
                               DSBCAPS_CTRLPAN | DSBCAPS_LOCHARDWARE | DSBCAPS_LOCSOFTWARE |
                               DSBCAPS_STICKYFOCUS | DSBCAPS_GLOBALFOCUS;

// The channels of a 7.1 file, the most a plain PCM wave of the platform holds.
constexpr WORD maxSecondaryChannels = 8;

HRESULT validIf(bool accepted) {
    return accepted ? DS_OK : DSERR_INVALIDPARAM;
}
} // namespace

HRESULT firstFailure(std::initializer_list<HRESULT> results) {
    for (HRESULT result : results) {
        if (FAILED(result))
            return result;
    }
    return DS_OK;
}

bool isPlayablePcm(const WAVEFORMATEX& format) {
    const bool channelsOk = format.nChannels >= 1 && format.nChannels <= maxSecondaryChannels;
    const bool bitsOk = format.wBitsPerSample == 8 || format.wBitsPerSample == 16 ||
                        format.wBitsPerSample == 24 || format.wBitsPerSample == 32;
    // In unsigned 32 bits: two 16-bit fields of a hostile header overflow an int's product.
    const DWORD blockAlign = DWORD{format.nChannels} * format.wBitsPerSample / 8u;
    return format.wFormatTag == WAVE_FORMAT_PCM && channelsOk && bitsOk &&
           format.nSamplesPerSec >= DSBFREQUENCY_MIN && format.nSamplesPerSec <= DSBFREQUENCY_MAX &&
           format.nBlockAlign == blockAlign &&
           format.nAvgBytesPerSec == blockAlign * format.nSamplesPerSec;
}

bool isPrimaryPcm(const WAVEFORMATEX& format) {
    return isPlayablePcm(format) && format.nChannels <= 2;
}

HRESULT checkBufferDescription(const DSBUFFERDESC* description) {
    if (description == nullptr || (description->dwSize != sizeof(DSBUFFERDESC) &&
                                   description->dwSize != sizeof(DSBUFFERDESC1)))
        return DSERR_INVALIDPARAM;
    const DWORD flags = description->dwFlags;
    if ((flags & locationFlags) == locationFlags)
        return DSERR_INVALIDPARAM;
    if (flags & DSBCAPS_PRIMARYBUFFER) {
        return validIf((flags & ~primaryFlags) == 0 && description->dwBufferBytes == 0 &&
                       description->lpwfxFormat == nullptr);
    }
    if (description->lpwfxFormat == nullptr)
        return DSERR_INVALIDPARAM;
    const WAVEFORMATEX& format = *description->lpwfxFormat;
    if (!isPlayablePcm(format))
        return DSERR_BADFORMAT;
    if (description->dwBufferBytes < DSBSIZE_MIN || description->dwBufferBytes > DSBSIZE_MAX)
        return DSERR_INVALIDPARAM;
    // A 3D buffer is a point source: DirectSound places only mono sounds.
    return validIf(!(flags & DSBCAPS_CTRL3D) || format.nChannels == 1);
}

HRESULT checkVolume(LONG volumeMillibels) {
    return validIf(volumeMillibels >= DSBVOLUME_MIN && volumeMillibels <= DSBVOLUME_MAX);
}

HRESULT checkPan(LONG panMillibels) {
    return validIf(panMillibels >= DSBPAN_LEFT && panMillibels <= DSBPAN_RIGHT);
}

HRESULT checkFrequency(DWORD frequencyHz) {
    return validIf(frequencyHz == DSBFREQUENCY_ORIGINAL ||
                   (frequencyHz >= DSBFREQUENCY_MIN && frequencyHz <= DSBFREQUENCY_MAX));
}

HRESULT checkMode(DWORD mode) {
    return validIf(mode <= DS3DMODE_DISABLE);
}

HRESULT checkApply(DWORD apply) {
    return validIf(apply == DS3D_IMMEDIATE || apply == DS3D_DEFERRED);
}

HRESULT checkConeAngles(DWORD insideDegrees, DWORD outsideDegrees) {
    return validIf(insideDegrees <= DS3D_MAXCONEANGLE && outsideDegrees <= DS3D_MAXCONEANGLE);
}

HRESULT checkMinMaxDistance(float distance) {
    return validIf(std::isfinite(distance) && distance > 0.0f);
}

HRESULT checkBufferParameters(const DS3DBUFFER& parameters) {
    if (parameters.dwSize != sizeof(DS3DBUFFER))
        return DSERR_INVALIDPARAM;
    return firstFailure(
        {checkConeAngles(parameters.dwInsideConeAngle, parameters.dwOutsideConeAngle),
         checkVolume(parameters.lConeOutsideVolume), checkMinMaxDistance(parameters.flMinDistance),
         checkMinMaxDistance(parameters.flMaxDistance), checkMode(parameters.dwMode)});
}

HRESULT checkDistanceFactor(float metresPerUnit) {
    return validIf(std::isfinite(metresPerUnit) && metresPerUnit >= DS3D_MINDISTANCEFACTOR);
}

HRESULT checkRolloffFactor(float rolloff) {
    return validIf(rolloff >= DS3D_MINROLLOFFFACTOR && rolloff <= DS3D_MAXROLLOFFFACTOR);
}

HRESULT checkDopplerFactor(float doppler) {
    return validIf(doppler >= DS3D_MINDOPPLERFACTOR && doppler <= DS3D_MAXDOPPLERFACTOR);
}

HRESULT checkListenerParameters(const DS3DLISTENER& parameters) {
    if (parameters.dwSize != sizeof(DS3DLISTENER))
        return DSERR_INVALIDPARAM;
    return firstFailure({checkDistanceFactor(parameters.flDistanceFactor),
                         checkRolloffFactor(parameters.flRolloffFactor),
                         checkDopplerFactor(parameters.flDopplerFactor)});
}

HRESULT lockRegion(DWORD bufferBytes, DWORD offset, DWORD bytes, DWORD flags, DWORD writeCursor,
                   LockRegion& region) {
    if (flags & DSBLOCK_FROMWRITECURSOR)
        offset = writeCursor;
    if (flags & DSBLOCK_ENTIREBUFFER)
        bytes = bufferBytes;
    if (offset >= bufferBytes || bytes == 0 || bytes > bufferBytes)
        return DSERR_INVALIDPARAM;
    region.firstOffset = offset;
    region.firstBytes = bytes < bufferBytes - offset ? bytes : bufferBytes - offset;
    region.secondBytes = bytes - region.firstBytes;
    return DS_OK;
}

HRESULT checkUnlock(const uint8_t* samples, size_t sampleBytes, const void* first, DWORD firstBytes,
                    const void* second, DWORD secondBytes) {
    const auto begin = reinterpret_cast<uintptr_t>(samples);
    const auto firstAt = reinterpret_cast<uintptr_t>(first);
    const bool firstInside = firstAt >= begin && firstAt - begin < sampleBytes &&
                             firstBytes <= sampleBytes - (firstAt - begin);
    const bool secondInside =
        second == nullptr ? secondBytes == 0 : second == samples && secondBytes <= sampleBytes;
    return validIf(firstInside && secondInside);
}

HRESULT copyFormat(const WAVEFORMATEX& format, LPWAVEFORMATEX out, DWORD sizeAllocated,
                   LPDWORD sizeWritten) {
    if (out == nullptr) {
        if (sizeWritten == nullptr)
            return DSERR_INVALIDPARAM;
        *sizeWritten = sizeof(WAVEFORMATEX);
        return DS_OK;
    }
    const DWORD written =
        sizeAllocated < sizeof(WAVEFORMATEX) ? sizeAllocated : sizeof(WAVEFORMATEX);
    std::memcpy(out, &format, written);
    if (sizeWritten)
        *sizeWritten = written;
    return DS_OK;
}

DSCAPS softwareMixingCapabilities() {
    DSCAPS caps{};
    caps.dwSize = sizeof(DSCAPS);
    caps.dwFlags = DSCAPS_PRIMARYMONO | DSCAPS_PRIMARYSTEREO | DSCAPS_PRIMARY8BIT |
                   DSCAPS_PRIMARY16BIT | DSCAPS_CONTINUOUSRATE | DSCAPS_SECONDARYMONO |
                   DSCAPS_SECONDARYSTEREO | DSCAPS_SECONDARY8BIT | DSCAPS_SECONDARY16BIT;
    caps.dwMinSecondarySampleRate = DSBFREQUENCY_MIN;
    caps.dwMaxSecondarySampleRate = DSBFREQUENCY_MAX;
    caps.dwPrimaryBuffers = 1;
    return caps;
}

DS3DBUFFER default3DBufferParameters() {
    DS3DBUFFER parameters{};
    parameters.dwSize = sizeof(DS3DBUFFER);
    parameters.dwInsideConeAngle = DS3D_DEFAULTCONEANGLE;
    parameters.dwOutsideConeAngle = DS3D_DEFAULTCONEANGLE;
    parameters.vConeOrientation = {0.0f, 0.0f, 1.0f};
    parameters.lConeOutsideVolume = DS3D_DEFAULTCONEOUTSIDEVOLUME;
    parameters.flMinDistance = DS3D_DEFAULTMINDISTANCE;
    parameters.flMaxDistance = DS3D_DEFAULTMAXDISTANCE;
    parameters.dwMode = DS3DMODE_NORMAL;
    return parameters;
}

DS3DLISTENER defaultListenerParameters() {
    DS3DLISTENER parameters{};
    parameters.dwSize = sizeof(DS3DLISTENER);
    parameters.vOrientFront = {0.0f, 0.0f, 1.0f};
    parameters.vOrientTop = {0.0f, 1.0f, 0.0f};
    parameters.flDistanceFactor = DS3D_DEFAULTDISTANCEFACTOR;
    parameters.flRolloffFactor = DS3D_DEFAULTROLLOFFFACTOR;
    parameters.flDopplerFactor = DS3D_DEFAULTDOPPLERFACTOR;
    return parameters;
}

} // namespace platform::audio
