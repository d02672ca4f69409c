#include "config_program/model/preview_sound.h"

#include "config_program/model/wave_file.h"
#include "platform/audio/sound_buffer_name.h"

#include <cstring>

namespace tunedesk {

LONG previewAttenuation(int volume) {
    return static_cast<LONG>(((255 - volume) / 2) * -39.2156);
}

PreviewDevice::~PreviewDevice() {
    release();
}

bool PreviewDevice::create(HWND window) {
    release();
    if (FAILED(DirectSoundCreate8(nullptr, &directSound_, nullptr))) {
        directSound_ = nullptr;
        return false;
    }
    if (FAILED(directSound_->SetCooperativeLevel(window, DSSCL_PRIORITY))) {
        release();
        return false;
    }
    DSBUFFERDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = DSBCAPS_PRIMARYBUFFER;
    if (SUCCEEDED(directSound_->CreateSoundBuffer(&description, &primary_, nullptr))) {
        WAVEFORMATEX format{};
        format.wFormatTag = WAVE_FORMAT_PCM;
        format.nChannels = 2;
        format.nSamplesPerSec = 22050;
        format.wBitsPerSample = 16;
        format.nBlockAlign = 4;
        format.nAvgBytesPerSec = 22050 * 4;
        primary_->SetFormat(&format);
    } else {
        primary_ = nullptr;
    }
    return true;
}

void PreviewDevice::release() {
    if (primary_ != nullptr) {
        primary_->Release();
        primary_ = nullptr;
    }
    if (directSound_ != nullptr) {
        directSound_->Release();
        directSound_ = nullptr;
    }
}

CSound::~CSound() {
    release();
}

bool CSound::create(IDirectSound8* directSound, const std::string& systemPath) {
    release();
    if (directSound == nullptr)
        return false;
    std::optional<WaveSound> wave = readWave(systemPath);
    if (!wave)
        return false;
    DSBUFFERDESC description{};
    description.dwSize = sizeof description;
    description.dwFlags = DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN | DSBCAPS_CTRLFREQUENCY;
    description.dwBufferBytes = static_cast<DWORD>(wave->samples.size());
    description.lpwfxFormat = &wave->format;
    platform::audio::nameNextSoundBuffer(systemPath.c_str());
    if (FAILED(directSound->CreateSoundBuffer(&description, &buffer_, nullptr))) {
        buffer_ = nullptr;
        return false;
    }
    samples_.assign(wave->samples.begin(), wave->samples.end());
    if (FAILED(fill())) {
        release();
        return false;
    }
    return true;
}

HRESULT CSound::fill() {
    void* first = nullptr;
    void* second = nullptr;
    DWORD firstBytes = 0;
    DWORD secondBytes = 0;
    HRESULT result = buffer_->Lock(0, static_cast<DWORD>(samples_.size()), &first, &firstBytes,
                                   &second, &secondBytes, 0);
    if (FAILED(result))
        return result;
    const size_t copied = firstBytes < samples_.size() ? firstBytes : samples_.size();
    std::memcpy(first, samples_.data(), copied);
    if (second != nullptr && secondBytes > 0 && copied < samples_.size()) {
        const size_t rest = samples_.size() - copied;
        std::memcpy(second, samples_.data() + copied, rest < secondBytes ? rest : secondBytes);
    }
    return buffer_->Unlock(first, firstBytes, second, secondBytes);
}

HRESULT CSound::Play(bool loop, int volume) {
    if (buffer_ == nullptr)
        return DSERR_UNINITIALIZED;
    DWORD status = 0;
    if (SUCCEEDED(buffer_->GetStatus(&status)) && (status & DSBSTATUS_BUFFERLOST) != 0) {
        HRESULT restored = buffer_->Restore();
        if (FAILED(restored))
            return restored;
        fill();
    }
    const int heard = volume < 0 ? 0 : volume > 255 ? 255 : volume;
    buffer_->SetCurrentPosition(0);
    buffer_->SetVolume(previewAttenuation(heard));
    return buffer_->Play(0, 0, loop ? DSBPLAY_LOOPING : 0);
}

bool CSound::IsPlaying() const {
    DWORD status = 0;
    return buffer_ != nullptr && SUCCEEDED(buffer_->GetStatus(&status)) &&
           (status & DSBSTATUS_PLAYING) != 0;
}

void CSound::release() {
    if (buffer_ != nullptr) {
        buffer_->Stop();
        buffer_->SetCurrentPosition(0);
        buffer_->Release();
        buffer_ = nullptr;
    }
    samples_.clear();
}

} // namespace tunedesk
