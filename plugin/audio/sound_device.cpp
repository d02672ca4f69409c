#include "plugin/audio/sound_device.h"

#include "plugin/core/log.h"

#include <cstdio>
#include <cstring>

namespace zephyrin {

WaveStatistics waveStatistics;

namespace {

template <typename Interface> void release(Interface*& object) {
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

const char* stereoGeometryText(DWORD degrees) {
    switch (degrees) {
    case DSSPEAKER_GEOMETRY_WIDE:
        return "wide (arc of 20 deg.)";
    case DSSPEAKER_GEOMETRY_NARROW:
        return "narrow (arc of 10 deg.)";
    case DSSPEAKER_GEOMETRY_MIN:
        return "min (arc of 5 deg.)";
    case DSSPEAKER_GEOMETRY_MAX:
        return "max (arc of 180 deg.)";
    default:
        return "unknown";
    }
}

} // namespace

void describeSpeakerConfiguration(DWORD configuration, char* text, size_t textSize) {
    switch (DSSPEAKER_CONFIG(configuration)) {
    case DSSPEAKER_HEADPHONE:
        std::snprintf(text, textSize, "headphone.");
        break;
    case DSSPEAKER_MONO:
        std::snprintf(text, textSize, "single speaker (mono).");
        break;
    case DSSPEAKER_QUAD:
        std::snprintf(text, textSize, "quadrophonic.");
        break;
    case DSSPEAKER_STEREO:
        std::snprintf(text, textSize, "stereo with %s geometry ",
                      stereoGeometryText(DSSPEAKER_GEOMETRY(configuration)));
        break;
    case DSSPEAKER_SURROUND:
        std::snprintf(text, textSize, "surround.");
        break;
    case DSSPEAKER_5POINT1:
        std::snprintf(text, textSize, "5.1 (5 speakers with subwoofer).");
        break;
    default:
        std::snprintf(text, textSize, "undetectable.");
        break;
    }
}

SoundDevice::SoundDevice() {
    std::memset(&waveStatistics, 0, sizeof waveStatistics);
}

SoundDevice::~SoundDevice() {
    releaseAll();
}

void SoundDevice::releaseAll() {
    release(listener);
    release(primaryBuffer);
    release(directSound);
    has3D = 0;
}

HRESULT SoundDevice::createDevice(HWND window, DWORD cooperativeLevel, DWORD channels,
                                  DWORD frequency, DWORD bits, bool allow3D) {
    releaseAll();
    std::memset(&listenerParams, 0, sizeof listenerParams);

    HRESULT result = DirectSoundCreate8(nullptr, &directSound, nullptr);
    if (FAILED(result)) {
        directSound = nullptr;
        return logDxTrace("Failed to create DirectSound 8", result);
    }
    result = directSound->SetCooperativeLevel(window, cooperativeLevel);
    if (FAILED(result)) {
        release(directSound);
        return logDxTrace("Failed to SetCooperativeLevel", result);
    }
    std::memset(&caps, 0, sizeof caps);
    caps.dwSize = sizeof caps;
    result = directSound->GetCaps(&caps);
    if (FAILED(result)) {
        release(directSound);
        return logDxTrace("Failed to get GetCaps", result);
    }
    logCapabilities();
    logSpeakerConfiguration();

    result = setPrimaryBufferFormat(channels, frequency, bits, allow3D);
    if (FAILED(result)) {
        release(primaryBuffer);
        release(directSound);
        return logDxTrace("Failed to SetPrimaryBufferFormat", result);
    }
    if (allow3D) {
        result = obtainListener();
        if (FAILED(result)) {
            return logDxTrace("Error getting 3d listener interface", result);
        }
        listenerParams.dwSize = sizeof listenerParams;
        listener->GetAllParameters(&listenerParams);
        has3D = 1;
        logText("   3D primary buffer initialised", "OK");
    }
    return S_OK;
}

void SoundDevice::logCapabilities() {
    char text[300];
    std::snprintf(text, sizeof text,
                  "   Sound hardware capabilities: Driver is %scertified.\n"
                  "   Maximum hardware mixing buffers: %d.\n"
                  "   Maximum hardware 3D buffers: %d.",
                  (caps.dwFlags & DSCAPS_CERTIFIED) != 0 ? "" : "not ",
                  static_cast<int>(caps.dwMaxHwMixingAllBuffers),
                  static_cast<int>(caps.dwMaxHw3DAllBuffers));
    logText(text, "");
}

void SoundDevice::logSpeakerConfiguration() {
    DWORD configuration = 0;
    if (FAILED(directSound->GetSpeakerConfig(&configuration))) {
        return;
    }
    char description[100];
    describeSpeakerConfiguration(configuration, description, sizeof description);
    char line[140];
    std::snprintf(line, sizeof line, "   Speaker configuration: %s", description);
    logLine(line);
}

HRESULT SoundDevice::setPrimaryBufferFormat(DWORD channels, DWORD frequency, DWORD bits,
                                            bool allow3D) {
    char attempt[120];
    std::snprintf(attempt, sizeof attempt,
                  "   Attempt to create Primary buffer: %ihz %ibits 3d: %s",
                  static_cast<int>(frequency), static_cast<int>(bits), allow3D ? "yes" : "no");
    logLine(attempt);

    DSBUFFERDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = DSBCAPS_PRIMARYBUFFER;
    HRESULT result = directSound->CreateSoundBuffer(&description, &primaryBuffer, nullptr);
    if (FAILED(result)) {
        primaryBuffer = nullptr;
        return logDxTrace("ERROR: unable to create primary buffer (m_pDS->CreateSoundBuffer)",
                          result);
    }
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = static_cast<WORD>(channels);
    format.nSamplesPerSec = frequency;
    format.wBitsPerSample = static_cast<WORD>(bits);
    format.nBlockAlign = static_cast<WORD>(format.wBitsPerSample / 8 * format.nChannels);
    format.nAvgBytesPerSec = format.nBlockAlign * format.nSamplesPerSec;
    result = primaryBuffer->SetFormat(&format);
    if (FAILED(result)) {
        return logDxTrace("Unable to set format for primary buffer (pDSBPrimary->SetFormat)",
                          result);
    }
    release(primaryBuffer);
    return S_OK;
}

HRESULT SoundDevice::obtainListener() {
    DSBUFFERDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRL3D;
    IDirectSoundBuffer* primary3D = nullptr;
    HRESULT result = directSound->CreateSoundBuffer(&description, &primary3D, nullptr);
    if (FAILED(result)) {
        return logDxTrace("CreateSoundBuffer", result);
    }
    result =
        primary3D->QueryInterface(IID_IDirectSound3DListener8, reinterpret_cast<void**>(&listener));
    if (FAILED(result)) {
        listener = nullptr;
        logDxTrace("QueryInterface", result);
    }
    primary3D->Release();
    return result;
}

void SoundDevice::commitListener() {
    if (listener != nullptr) {
        listener->CommitDeferredSettings();
    }
}

void SoundDevice::destroyDevice() {
    releaseAll();
    char block[600];
    std::snprintf(block, sizeof block,
                  "-------------------------------\n"
                  "Wav files Statistics:\n"
                  "---------------------\n"
                  "Nbr of wav loaded during simulation: %i\n"
                  "Nbr of wav re-used from memory: %i (not loaded from disk so not counted in wav "
                  "loaded)\n"
                  "Max nbr of wav in memory in same time: %i\n"
                  "Nbr of wav failed to load: %i\n"
                  "Nbr of wav not unloaded at exit: %i\n"
                  "-------------------------------",
                  waveStatistics.loaded, waveStatistics.reused, waveStatistics.highestAlive,
                  waveStatistics.failed, waveStatistics.alive);
    logText(block, "");
}

} // namespace zephyrin
