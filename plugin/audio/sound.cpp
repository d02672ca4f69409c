#include "plugin/audio/sound.h"

#include "platform/audio/sound_buffer_name.h"
#include "plugin/audio/sound_device.h"
#include "plugin/core/advanced_configuration.h"
#include "plugin/core/log.h"
#include "plugin/core/random.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

namespace zephyrin {

namespace {

constexpr double attenuationPerStep = -39.2156; // hundredths of a decibel per volume step
constexpr float defaultMinDistanceMetres = 50.0f;
constexpr float defaultMaxDistanceMetres = 15000.0f;
constexpr double smallestMinDistanceMetres = 0.8;
constexpr double smallestConeAngleDegrees = 10.0;
constexpr double largestConeAngleDegrees = 360.0;
constexpr auto restoreRetryDelay = std::chrono::milliseconds(10);
// A buffer that stays lost this long is given up for this call; the next play tries again.
constexpr int restoreAttempts = 100;

template <typename Interface> void release(Interface*& object) {
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}

void releaseAll(LPDIRECTSOUNDBUFFER8*& buffers, DWORD count) {
    if (buffers == nullptr) {
        return;
    }
    for (DWORD i = 0; i < count; ++i) {
        release(buffers[i]);
    }
    delete[] buffers;
    buffers = nullptr;
}

void countLoad() {
    ++waveStatistics.loaded;
    waveStatistics.highestAlive = std::max(waveStatistics.highestAlive, waveStatistics.alive);
}

} // namespace

LONG volumeToAttenuation(int volume) {
    int steps = (255 - volume) / 2;
    return static_cast<LONG>(steps * attenuationPerStep);
}

CSound::CSound(LPDIRECTSOUNDBUFFER8* soundBuffers, DWORD bytes, DWORD count, WaveReader* reader,
               bool want3D)
    : buffers(soundBuffers), bufferBytes(bytes), waveFile(reader), bufferCount(count) {
    ++waveStatistics.alive; // the destructor counts it out
    fillBuffer(buffers[0], bufferBytes, false);
    rewindChannel(left());
    if (want3D && bufferCount == 1) {
        setUp3D(buffers[0], buffer3D, params3D);
    }
}

CSound::~CSound() {
    --waveStatistics.alive;
    release(buffer3D);
    releaseAll(buffers, bufferCount);
    if (waveFile != nullptr) {
        waveFile->close();
        delete waveFile;
        waveFile = nullptr;
    }
    if (isStereoPair != 0 || rightBuffers != nullptr) {
        release(rightBuffer3D);
        releaseAll(rightBuffers, rightBufferCount);
    }
}

HRESULT CSound::setUp3D(LPDIRECTSOUNDBUFFER8 buffer, LPDIRECTSOUND3DBUFFER8& interface3D,
                        DS3DBUFFER& params) {
    HRESULT result =
        buffer->QueryInterface(IID_IDirectSound3DBuffer8, reinterpret_cast<void**>(&interface3D));
    if (FAILED(result)) {
        interface3D = nullptr;
        return logDxTrace("QueryInterface(IID_IDirectSound3DBuffer", result);
    }
    std::memset(&params, 0, sizeof params);
    params.dwSize = sizeof params;
    result = interface3D->GetAllParameters(&params);
    if (FAILED(result)) {
        release(interface3D);
        return logDxTrace("g_p3DBuffer->GetAllParameters failed", result);
    }
    params.vPosition = D3DVECTOR{0.0f, 0.0f, 0.0f};
    params.flMinDistance = defaultMinDistanceMetres;
    params.flMaxDistance = defaultMaxDistanceMetres;
    params.dwMode = DS3DMODE_NORMAL;
    result = interface3D->SetAllParameters(&params, DS3D_IMMEDIATE);
    if (FAILED(result)) {
        release(interface3D);
        return logDxTrace("g_p3DBuffer->SetAllParameters failed", result);
    }
    return S_OK;
}

HRESULT CSound::attachRightChannel(LPDIRECTSOUNDBUFFER8* soundBuffers, DWORD bytes, DWORD count) {
    rightBuffers = soundBuffers;
    rightBufferBytes = bytes;
    rightBufferCount = count;
    fillBuffer(rightBuffers[0], rightBufferBytes, false);
    rewindChannel(right());
    HRESULT result = setUp3D(rightBuffers[0], rightBuffer3D, rightParams3D);
    if (SUCCEEDED(result)) {
        isStereoPair = 1;
    }
    return result;
}

HRESULT CSound::restoreBuffer(LPDIRECTSOUNDBUFFER8 buffer, bool* restored) {
    *restored = false;
    DWORD status = 0;
    HRESULT result = buffer->GetStatus(&status);
    if (FAILED(result)) {
        return logDxTrace("GetStatus", result);
    }
    if ((status & DSBSTATUS_BUFFERLOST) == 0) {
        return S_OK;
    }
    for (int attempt = 0; attempt < restoreAttempts; ++attempt) {
        result = buffer->Restore();
        if (result != DSERR_BUFFERLOST) {
            break;
        }
        std::this_thread::sleep_for(restoreRetryDelay);
    }
    if (SUCCEEDED(result)) {
        *restored = true;
    }
    return result;
}

HRESULT CSound::fillBuffer(LPDIRECTSOUNDBUFFER8 buffer, DWORD bytes, bool repeatIfShort) {
    bool restored = false;
    HRESULT result = restoreBuffer(buffer, &restored);
    if (FAILED(result)) {
        return logDxTrace("RestoreBuffer", result);
    }
    void* data = nullptr;
    DWORD lockedBytes = 0;
    result = buffer->Lock(0, bytes, &data, &lockedBytes, nullptr, nullptr, 0);
    if (result == DSERR_BUFFERLOST) {
        result = buffer->Restore();
        if (FAILED(result)) {
            return logDxTrace("Lock/Restore buffer failed\n", result);
        }
        result = buffer->Lock(0, bytes, &data, &lockedBytes, nullptr, nullptr, 0);
        if (FAILED(result)) {
            return logDxTrace("Lock second attempt", result);
        }
    } else if (FAILED(result)) {
        return logDxTrace("Lock fail", result);
    }

    BYTE* samples = static_cast<BYTE*>(data);
    const int silence =
        waveFile->format != nullptr && waveFile->format->wBitsPerSample == 8 ? 128 : 0;
    DWORD filled = 0;
    result = waveFile->rewind();
    if (FAILED(result)) {
        logDxTrace("ResetFile", result);
    } else if (FAILED(result = waveFile->read(samples, lockedBytes, &filled))) {
        logDxTrace("Read", result);
        filled = 0;
    }
    // An empty wave cannot repeat: whatever is not filled by then stays silent.
    while (repeatIfShort && SUCCEEDED(result) && filled > 0 && filled < lockedBytes) {
        DWORD more = 0;
        if (FAILED(result = waveFile->rewind())) {
            logDxTrace("ResetFile", result);
        } else if (FAILED(result = waveFile->read(samples + filled, lockedBytes - filled, &more))) {
            logDxTrace("Read", result);
        } else if (more == 0) {
            break;
        }
        filled += more;
    }
    if (filled < lockedBytes) {
        std::memset(samples + filled, silence, lockedBytes - filled);
    }

    HRESULT unlocked = buffer->Unlock(data, lockedBytes, nullptr, 0);
    if (FAILED(unlocked)) {
        return logDxTrace("Unlock", unlocked);
    }
    return SUCCEEDED(result) ? S_OK : result;
}

LPDIRECTSOUNDBUFFER8 CSound::freeBuffer(const Channel& channel) {
    if (channel.buffers == nullptr || channel.count == 0) {
        return nullptr;
    }
    for (DWORD i = 0; i < channel.count; ++i) {
        DWORD status = 0;
        if (channel.buffers[i] != nullptr && SUCCEEDED(channel.buffers[i]->GetStatus(&status)) &&
            (status & DSBSTATUS_PLAYING) == 0) {
            return channel.buffers[i];
        }
    }
    return channel.buffers[static_cast<DWORD>(drawRandom()) % channel.count];
}

HRESULT CSound::rewindChannel(const Channel& channel) {
    HRESULT result = S_OK;
    for (DWORD i = 0; channel.buffers != nullptr && i < channel.count; ++i) {
        HRESULT rewound = channel.buffers[i]->SetCurrentPosition(0);
        if (FAILED(rewound)) {
            result = rewound;
        }
    }
    return result;
}

HRESULT CSound::playChannel(const Channel& channel, DWORD priority, bool looping, int volume,
                            DWORD frequency) {
    LPDIRECTSOUNDBUFFER8 buffer = freeBuffer(channel);
    if (buffer == nullptr) {
        return logDxTrace("GetFreeBuffer", E_FAIL);
    }
    bool restored = false;
    HRESULT result = restoreBuffer(buffer, &restored);
    if (FAILED(result)) {
        return logDxTrace("RestoreBuffer", result);
    }
    if (restored) {
        result = fillBuffer(buffer, channel.bytes, false);
        if (FAILED(result)) {
            return logDxTrace("FillBufferWithSound", result);
        }
        rewindChannel(channel);
    }
    buffer->SetVolume(volumeToAttenuation(volume));
    if (frequency != 0) {
        buffer->SetFrequency(frequency);
    }
    return buffer->Play(0, priority, looping ? DSBPLAY_LOOPING : 0);
}

HRESULT CSound::play(DWORD priority, bool looping, int volume, DWORD frequency, int rightVolume) {
    if (buffers == nullptr) {
        return CO_E_NOTINITIALIZED;
    }
    HRESULT result = playChannel(left(), priority, looping, volume, frequency);
    if (SUCCEEDED(result) && isStereoPair != 0) {
        result = playChannel(right(), priority, looping,
                             rightVolume == sameVolume ? volume : rightVolume, frequency);
    }
    return result;
}

HRESULT CSound::stop() {
    HRESULT result = S_OK;
    for (const Channel& channel : {left(), right()}) {
        for (DWORD i = 0; channel.buffers != nullptr && i < channel.count; ++i) {
            HRESULT stopped = channel.buffers[i]->Stop();
            if (FAILED(stopped)) {
                result = stopped;
            }
        }
    }
    return result;
}

HRESULT CSound::rewind() {
    HRESULT result = rewindChannel(left());
    HRESULT rightResult = rewindChannel(right());
    return FAILED(result) ? result : rightResult;
}

bool CSound::isPlaying() {
    bool playing = false;
    for (DWORD i = 0; buffers != nullptr && i < bufferCount; ++i) {
        DWORD status = 0;
        if (SUCCEEDED(buffers[i]->GetStatus(&status)) && (status & DSBSTATUS_PLAYING) != 0) {
            playing = true;
        }
    }
    return playing;
}

HRESULT CSound::setVolume(int volume) {
    LONG attenuation = volumeToAttenuation(volume);
    LPDIRECTSOUNDBUFFER8 buffer = freeBuffer(left());
    if (buffer == nullptr || buffer->SetVolume(attenuation) != S_OK) {
        return E_FAIL;
    }
    if (isStereoPair != 0) {
        buffer = freeBuffer(right());
        if (buffer == nullptr || buffer->SetVolume(attenuation) != S_OK) {
            return E_FAIL;
        }
    }
    return S_OK;
}

HRESULT CSound::setPosition(const D3DVECTOR& leftPosition, const D3DVECTOR& rightPosition) {
    if (buffer3D == nullptr) {
        return E_FAIL;
    }
    HRESULT result =
        buffer3D->SetPosition(leftPosition.x, leftPosition.y, leftPosition.z, DS3D_DEFERRED);
    if (rightBuffer3D != nullptr) {
        rightBuffer3D->SetPosition(rightPosition.x, rightPosition.y, rightPosition.z,
                                   DS3D_DEFERRED);
    }
    return result;
}

HRESULT CSound::setMinMaxDistance(double minimum, double maximum) {
    if (buffer3D == nullptr) {
        return E_FAIL;
    }
    double factor = advancedConfiguration.soundDistanceFactor;
    float scaledMinimum = static_cast<float>(std::max(minimum * factor, smallestMinDistanceMetres));
    float scaledMaximum = static_cast<float>(maximum * factor);
    for (LPDIRECTSOUND3DBUFFER8 channel : {buffer3D, rightBuffer3D}) {
        if (channel != nullptr) {
            channel->SetMinDistance(scaledMinimum, DS3D_DEFERRED);
            channel->SetMaxDistance(scaledMaximum, DS3D_DEFERRED);
        }
    }
    return S_OK;
}

HRESULT CSound::setMode(DWORD mode) {
    if (buffer3D == nullptr) {
        return E_FAIL;
    }
    HRESULT result = buffer3D->SetMode(mode, DS3D_DEFERRED);
    if (rightBuffer3D != nullptr) {
        rightBuffer3D->SetMode(mode, DS3D_DEFERRED);
    }
    return result;
}

HRESULT CSound::setCone(double insideAngle, double outsideAngle, const D3DVECTOR& orientation,
                        double outsideVolume) {
    if (buffer3D == nullptr) {
        return E_FAIL;
    }
    DWORD inside = static_cast<DWORD>(
        std::clamp(insideAngle, smallestConeAngleDegrees, largestConeAngleDegrees));
    DWORD outside = static_cast<DWORD>(
        std::clamp(outsideAngle, smallestConeAngleDegrees, largestConeAngleDegrees));
    LONG outsideAttenuation = static_cast<LONG>(
        std::clamp((255.0 - outsideVolume) * attenuationPerStep, static_cast<double>(DSBVOLUME_MIN),
                   static_cast<double>(DSBVOLUME_MAX)));
    for (LPDIRECTSOUND3DBUFFER8 channel : {buffer3D, rightBuffer3D}) {
        if (channel != nullptr) {
            channel->SetConeAngles(inside, outside, DS3D_DEFERRED);
            channel->SetConeOrientation(orientation.x, orientation.y, orientation.z, DS3D_DEFERRED);
            channel->SetConeOutsideVolume(outsideAttenuation, DS3D_DEFERRED);
        }
    }
    return S_OK;
}

DWORD CSound::getFrequency() const {
    return waveFile != nullptr && waveFile->format != nullptr ? waveFile->format->nSamplesPerSec
                                                              : 0;
}

namespace {

HRESULT failLoad(WaveReader* reader, HRESULT result) {
    ++waveStatistics.failed;
    if (reader != nullptr) {
        reader->close();
        delete reader;
    }
    return result;
}

HRESULT createBuffer(IDirectSound8* directSound, const DSBUFFERDESC& description,
                     const char* fileName, bool want3D, LPDIRECTSOUNDBUFFER8& buffer8,
                     HRESULT& creationResult) {
    platform::audio::nameNextSoundBuffer(fileName);
    LPDIRECTSOUNDBUFFER buffer = nullptr;
    creationResult = directSound->CreateSoundBuffer(&description, &buffer, nullptr);
    if (FAILED(creationResult)) {
        return logLoadTrace(want3D ? "CreateSoundBuffer_3D" : "CreateSoundBuffer", fileName,
                            creationResult);
    }
    HRESULT result =
        buffer->QueryInterface(IID_IDirectSoundBuffer8, reinterpret_cast<void**>(&buffer8));
    buffer->Release();
    if (FAILED(result)) {
        buffer8 = nullptr;
        return logLoadTrace("Failed to get directsound8 interface", fileName, result);
    }
    return S_OK;
}

} // namespace

HRESULT createSound(SoundDevice* device, CSound** soundOut, const char* fileName, DWORD flags,
                    const GUID& algorithm, DWORD count) {
    if (advancedConfiguration.writeInLogAllLoadedSound) {
        char loading[40];
        std::snprintf(loading, sizeof loading, "  %i Loading:", waveStatistics.loaded + 1);
        logText(loading, fileName);
    }
    if (device == nullptr || device->directSound == nullptr) {
        return failLoad(nullptr, CO_E_NOTINITIALIZED);
    }
    if (fileName == nullptr || soundOut == nullptr || count < 1) {
        return failLoad(nullptr, E_INVALIDARG);
    }

    auto* reader = new WaveReader;
    HRESULT result = reader->open(fileName);
    if (FAILED(result) || reader->getSize() == 0) {
        return failLoad(reader, FAILED(result) ? result : E_FAIL);
    }
    if (reader->getSize() >= soundSizeLimitBytes) {
        logText("FAILED, unable to load >8 megabyte sound (are you crazy ?)", fileName);
        return failLoad(reader, E_FAIL);
    }

    const bool want3D = (flags & DSBCAPS_CTRL3D) != 0;
    DWORD bytes = reader->getSize();
    WAVEFORMATEX* format = reader->format;
    if (want3D && format->nChannels > 1) {
        if (format->nChannels > 2) {
            logText("FAILED, unable to play more than 2 channel wav", fileName);
            return failLoad(reader, E_FAIL);
        }
        if (format->wBitsPerSample != 8 && format->wBitsPerSample != 16) {
            logText("FAILED, unable to load non 8 or 16 bits stereo wav", fileName);
            return failLoad(reader, E_FAIL);
        }
        format->nChannels = 1;
        format->nBlockAlign = static_cast<WORD>(format->wBitsPerSample / 8);
        format->nAvgBytesPerSec = format->nBlockAlign * format->nSamplesPerSec;
        bytes /= 2;
        reader->monoMode = 1;
        if ((flags & soundSplitStereo) != 0) {
            reader->splitMark = 1;
            addMonoStereoLine("Stereo split in two channels for 3D:", fileName);
        } else {
            addMonoStereoLine("Stereo file converted to mono for 3D:", fileName);
        }
    }

    DSBUFFERDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = (flags & ~soundSplitStereo) | DSBCAPS_GETCURRENTPOSITION2;
    if (advancedConfiguration.playWhenVoranthInBackground) {
        description.dwFlags |= DSBCAPS_GLOBALFOCUS;
    }
    description.dwBufferBytes = bytes;
    description.lpwfxFormat = format;
    description.guid3DAlgorithm = algorithm;

    auto* leftBuffers = new LPDIRECTSOUNDBUFFER8[count]();
    HRESULT creation = S_OK;
    result =
        createBuffer(device->directSound, description, fileName, want3D, leftBuffers[0], creation);
    if (FAILED(result)) {
        delete[] leftBuffers;
        return failLoad(reader, result);
    }
    const HRESULT loadResult = creation == DS_NO_VIRTUALIZATION ? DS_NO_VIRTUALIZATION : S_OK;

    auto* sound = new CSound(leftBuffers, bytes, count, reader, want3D);
    if (reader->splitMark != 0) {
        auto* rightBuffers = new LPDIRECTSOUNDBUFFER8[count]();
        result = createBuffer(device->directSound, description, fileName, true, rightBuffers[0],
                              creation);
        if (SUCCEEDED(result)) {
            result = sound->attachRightChannel(rightBuffers, bytes, count);
        } else {
            delete[] rightBuffers;
        }
        if (FAILED(result)) {
            delete sound;
            ++waveStatistics.failed;
            return result;
        }
    }
    countLoad();
    *soundOut = sound;
    return loadResult;
}

} // namespace zephyrin
