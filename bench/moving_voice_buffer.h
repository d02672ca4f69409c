// One voice of the moving-voices workload as DirectSound buffers: its wave loaded, its distances
// and cone deferred until the next commit, its frequency set and looping.
#pragma once

#include "bench/moving_voices.h"
#include "platform/audio/dsound.h"

#include <cstring>
#include <vector>

namespace moving_voices {

struct VoiceBuffers {
    IDirectSoundBuffer* buffer = nullptr;
    IDirectSound3DBuffer* buffer3D = nullptr;
};

inline VoiceBuffers startVoice(IDirectSound8* directSound, size_t voice) {
    const std::vector<int16_t> samples = voiceWave(voice);
    WAVEFORMATEX format{WAVE_FORMAT_PCM, 1, waveRateHz, waveRateHz * 2, 2, 16, 0};
    DSBUFFERDESC description{sizeof(DSBUFFERDESC),
                             DSBCAPS_CTRL3D | DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY,
                             DWORD(samples.size() * 2),
                             0,
                             &format,
                             GUID_NULL};
    VoiceBuffers started;
    directSound->CreateSoundBuffer(&description, &started.buffer, nullptr);
    void* data = nullptr;
    DWORD bytes = 0;
    started.buffer->Lock(0, 0, &data, &bytes, nullptr, nullptr, DSBLOCK_ENTIREBUFFER);
    std::memcpy(data, samples.data(), bytes);
    started.buffer->Unlock(data, bytes, nullptr, 0);
    started.buffer->QueryInterface(IID_IDirectSound3DBuffer, (void**)&started.buffer3D);
    started.buffer3D->SetMinDistance(minDistanceMetres, DS3D_DEFERRED);
    started.buffer3D->SetMaxDistance(maxDistanceMetres, DS3D_DEFERRED);
    started.buffer3D->SetConeAngles(coneInsideDegrees, coneOutsideDegrees, DS3D_DEFERRED);
    started.buffer3D->SetConeOutsideVolume(coneOutsideVolumeMillibels, DS3D_DEFERRED);
    started.buffer->SetFrequency(voiceFrequencyHz(voice));
    started.buffer->Play(0, 0, DSBPLAY_LOOPING);
    return started;
}

} // namespace moving_voices
