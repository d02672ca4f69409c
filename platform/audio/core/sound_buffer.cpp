#include "platform/audio/core/sound_buffer.h"

#include "platform/audio/core/call_text.h"
#include "platform/audio/core/dsound_rules.h"
#include "platform/audio/core/mapping.h"
#include "platform/audio/core/trace.h"

namespace platform::audio {

namespace {
uint8_t silence(const WAVEFORMATEX& format) {
    return format.wBitsPerSample == 8 ? 128 : 0;
}
} // namespace

HRESULT SoundBuffer::create(std::shared_ptr<DeviceContext> context, const DSBUFFERDESC& description,
                            std::string name, LPDIRECTSOUNDBUFFER* buffer) {
    std::unique_ptr<Voice> voice = context->mixer().createVoice();
    if (!voice)
        return DSERR_OUTOFMEMORY;
    *buffer = static_cast<IDirectSoundBuffer8*>(
        new SoundBuffer(std::move(context), std::move(voice), description, std::move(name)));
    return DS_OK;
}

SoundBuffer::SoundBuffer(std::shared_ptr<DeviceContext> context, std::unique_ptr<Voice> voice,
                         const DSBUFFERDESC& description, std::string name)
    : context_(std::move(context)), voice_(std::move(voice)), flags_(description.dwFlags),
      format_(*description.lpwfxFormat),
      samples_(description.dwBufferBytes, silence(*description.lpwfxFormat)),
      frequency_(format_.nSamplesPerSec), settings3D_(default3DBufferParameters()),
      heard3D_(settings3D_), object_(newBufferObjectName()), name_(std::move(name)) {
    format_.cbSize = 0;
    if (is3D())
        context_->add3DBuffer(this);
    placeVoice();
    trace("CreateSoundBuffer", [&] { return describe(&description); });
}

SoundBuffer::~SoundBuffer() {
    if (is3D())
        context_->remove3DBuffer(this);
}

void SoundBuffer::trace(const char* call, ArgumentText arguments) const {
    if (traceEnabled())
        traceCall(object_, call, arguments(), name_);
}

void SoundBuffer::trace(const char* call) const {
    if (traceEnabled())
        traceCall(object_, call, {}, name_);
}

void SoundBuffer::giveVoiceTheSamples() {
    voice_->setSamples(samples_.data(), samples_.size(), format_);
    voiceHasSamples_ = true;
}

HRESULT SoundBuffer::needsControl(DWORD control) const {
    return (flags_ & control) ? DS_OK : DSERR_CONTROLUNAVAIL;
}

void SoundBuffer::placeVoice() {
    voice_->setPlacement(is3D()
                             ? sourcePlacement(heard3D_, context_->listenerHeard().flRolloffFactor)
                             : panPlacement(pan_));
    followMaxDistanceMute();
}

void SoundBuffer::applyGain() {
    voice_->setGain(mutedPastMaxDistance_ ? 0.0f : gainFromMillibels(volume_));
}

void SoundBuffer::followMaxDistanceMute() {
    if (!is3D() || !(flags_ & DSBCAPS_MUTE3DATMAXDISTANCE))
        return;
    const bool muted = isPastMaxDistance(heard3D_, context_->listenerHeard());
    if (muted == mutedPastMaxDistance_)
        return;
    mutedPastMaxDistance_ = muted;
    applyGain();
}

void SoundBuffer::commitDeferredSettings(bool rolloffChanged) {
    if (deferredPending_) {
        deferredPending_ = false;
        heard3D_ = settings3D_;
        placeVoice();
    } else {
        listenerChanged(rolloffChanged);
    }
}

bool SoundBuffer::staysWatched() {
    watched_ = deferredPending_ || followsListener();
    return watched_;
}

void SoundBuffer::watchIfNeeded() {
    if (!watched_ && (deferredPending_ || followsListener())) {
        watched_ = true;
        context_->watch(this);
    }
}

void SoundBuffer::listenerChanged(bool rolloffChanged) {
    if (rolloffChanged)
        placeVoice();
    else if (played_)
        followMaxDistanceMute();
}

HRESULT SoundBuffer::QueryInterface(REFIID riid, void** ppvObject) {
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDirectSoundBuffer || riid == IID_IDirectSoundBuffer8)
        *ppvObject = static_cast<IDirectSoundBuffer8*>(this);
    else if (riid == IID_IDirectSound3DBuffer && is3D())
        *ppvObject = static_cast<IDirectSound3DBuffer*>(this);
    else
        return E_NOINTERFACE;
    ++references_;
    return DS_OK;
}

ULONG SoundBuffer::AddRef() {
    return ++references_;
}

ULONG SoundBuffer::Release() {
    const ULONG references = --references_;
    if (references == 0) {
        trace("Release");
        delete this;
    }
    return references;
}

HRESULT SoundBuffer::GetCaps(LPDSBCAPS pDSBufferCaps) {
    if (pDSBufferCaps == nullptr || pDSBufferCaps->dwSize != sizeof(DSBCAPS))
        return DSERR_INVALIDPARAM;
    // Every buffer is mixed in software, whatever the creator hoped for.
    pDSBufferCaps->dwFlags = (flags_ & ~DSBCAPS_LOCDEFER) | DSBCAPS_LOCSOFTWARE;
    pDSBufferCaps->dwBufferBytes = DWORD(samples_.size());
    pDSBufferCaps->dwUnlockTransferRate = 0;
    pDSBufferCaps->dwPlayCpuOverhead = 0;
    return DS_OK;
}

HRESULT SoundBuffer::GetCurrentPosition(LPDWORD pdwCurrentPlayCursor,
                                        LPDWORD pdwCurrentWriteCursor) {
    // The mixer takes the samples at Unlock, so writing is safe right at the play cursor.
    const DWORD position = voice_->playPositionBytes();
    if (pdwCurrentPlayCursor)
        *pdwCurrentPlayCursor = position;
    if (pdwCurrentWriteCursor)
        *pdwCurrentWriteCursor = position;
    return DS_OK;
}

HRESULT SoundBuffer::GetFormat(LPWAVEFORMATEX pwfxFormat, DWORD dwSizeAllocated,
                               LPDWORD pdwSizeWritten) {
    return copyFormat(format_, pwfxFormat, dwSizeAllocated, pdwSizeWritten);
}

HRESULT SoundBuffer::GetVolume(LPLONG plVolume) {
    if (plVolume == nullptr)
        return DSERR_INVALIDPARAM;
    if (HRESULT control = needsControl(DSBCAPS_CTRLVOLUME); FAILED(control))
        return control;
    *plVolume = volume_;
    return DS_OK;
}

HRESULT SoundBuffer::GetFrequency(LPDWORD pdwFrequency) {
    if (pdwFrequency == nullptr)
        return DSERR_INVALIDPARAM;
    if (HRESULT control = needsControl(DSBCAPS_CTRLFREQUENCY); FAILED(control))
        return control;
    *pdwFrequency = frequency_;
    return DS_OK;
}

HRESULT SoundBuffer::GetStatus(LPDWORD pdwStatus) {
    if (pdwStatus == nullptr)
        return DSERR_INVALIDPARAM;
    *pdwStatus = 0;
    if (voice_->isPlaying())
        *pdwStatus = DSBSTATUS_PLAYING | DSBSTATUS_LOCSOFTWARE | (looping_ ? DSBSTATUS_LOOPING : 0);
    return DS_OK;
}

HRESULT SoundBuffer::Lock(DWORD dwOffset, DWORD dwBytes, LPVOID* ppvAudioPtr1,
                          LPDWORD pdwAudioBytes1, LPVOID* ppvAudioPtr2, LPDWORD pdwAudioBytes2,
                          DWORD dwFlags) {
    LockRegion region;
    if (ppvAudioPtr1 == nullptr || pdwAudioBytes1 == nullptr ||
        FAILED(lockRegion(DWORD(samples_.size()), dwOffset, dwBytes, dwFlags,
                          voice_->playPositionBytes(), region)))
        return DSERR_INVALIDPARAM;
    *ppvAudioPtr1 = samples_.data() + region.firstOffset;
    *pdwAudioBytes1 = region.firstBytes;
    if (ppvAudioPtr2)
        *ppvAudioPtr2 = region.secondBytes ? samples_.data() : nullptr;
    if (pdwAudioBytes2)
        *pdwAudioBytes2 = ppvAudioPtr2 ? region.secondBytes : 0;
    return DS_OK;
}

HRESULT SoundBuffer::Unlock(LPVOID pvAudioPtr1, DWORD dwAudioBytes1, LPVOID pvAudioPtr2,
                            DWORD dwAudioBytes2) {
    if (HRESULT check = checkUnlock(samples_.data(), samples_.size(), pvAudioPtr1, dwAudioBytes1,
                                    pvAudioPtr2, dwAudioBytes2);
        FAILED(check))
        return check;
    giveVoiceTheSamples();
    const auto firstOffset = DWORD(static_cast<const uint8_t*>(pvAudioPtr1) - samples_.data());
    trace("Unlock", [&] { return argumentText(firstOffset, dwAudioBytes1, dwAudioBytes2); });
    return DS_OK;
}

HRESULT SoundBuffer::Play(DWORD dwReserved1, DWORD dwPriority, DWORD dwFlags) {
    // Priority and the hardware/termination flags only matter for voices managed in hardware.
    if (dwReserved1 != 0 || (dwPriority != 0 && !(flags_ & DSBCAPS_LOCDEFER)))
        return DSERR_INVALIDPARAM;
    looping_ = dwFlags & DSBPLAY_LOOPING;
    if (!voiceHasSamples_)
        giveVoiceTheSamples();
    played_ = true;
    watchIfNeeded();
    followMaxDistanceMute();
    voice_->play(looping_);
    trace("Play", [&] { return argumentText(dwReserved1, dwPriority, Hex{dwFlags}); });
    return DS_OK;
}

HRESULT SoundBuffer::SetCurrentPosition(DWORD dwNewPosition) {
    if (dwNewPosition >= samples_.size())
        return DSERR_INVALIDPARAM;
    voice_->setPlayPositionBytes(dwNewPosition - dwNewPosition % format_.nBlockAlign);
    trace("SetCurrentPosition", [&] { return describe(dwNewPosition); });
    return DS_OK;
}

HRESULT SoundBuffer::SetFormat(LPCWAVEFORMATEX) {
    // Only the primary buffer's format can be set.
    return DSERR_INVALIDCALL;
}

HRESULT SoundBuffer::SetVolume(LONG lVolume) {
    if (HRESULT check = firstFailure({needsControl(DSBCAPS_CTRLVOLUME), checkVolume(lVolume)});
        FAILED(check))
        return check;
    volume_ = lVolume;
    applyGain();
    trace("SetVolume", [&] { return describe(lVolume); });
    return DS_OK;
}

HRESULT SoundBuffer::SetPan(LONG lPan) {
    // A 3D buffer is panned by its position.
    if (HRESULT check = firstFailure({needsControl(DSBCAPS_CTRLPAN), checkPan(lPan)});
        FAILED(check))
        return check;
    if (is3D())
        return DSERR_CONTROLUNAVAIL;
    pan_ = lPan;
    placeVoice();
    trace("SetPan", [&] { return describe(lPan); });
    return DS_OK;
}

HRESULT SoundBuffer::SetFrequency(DWORD dwFrequency) {
    if (HRESULT check =
            firstFailure({needsControl(DSBCAPS_CTRLFREQUENCY), checkFrequency(dwFrequency)});
        FAILED(check))
        return check;
    frequency_ = dwFrequency == DSBFREQUENCY_ORIGINAL ? format_.nSamplesPerSec : dwFrequency;
    voice_->setPitch(pitchRatio(frequency_, format_.nSamplesPerSec));
    trace("SetFrequency", [&] { return describe(dwFrequency); });
    return DS_OK;
}

HRESULT SoundBuffer::Stop() {
    voice_->pause();
    played_ = false;
    trace("Stop");
    return DS_OK;
}

HRESULT SoundBuffer::Restore() {
    // Software buffers are never lost.
    return DS_OK;
}

HRESULT SoundBuffer::GetAllParameters(LPDS3DBUFFER pDs3dBuffer) {
    if (pDs3dBuffer == nullptr || pDs3dBuffer->dwSize != sizeof(DS3DBUFFER))
        return DSERR_INVALIDPARAM;
    *pDs3dBuffer = settings3D_;
    return DS_OK;
}

HRESULT SoundBuffer::set3D(const char* call, ArgumentText arguments, DWORD apply, HRESULT check,
                           Change3D change) {
    if (FAILED(check))
        return check;
    change(settings3D_);
    if (apply == DS3D_IMMEDIATE) {
        change(heard3D_);
        placeVoice();
    } else {
        deferredPending_ = true;
        watchIfNeeded();
    }
    trace(call, arguments);
    return DS_OK;
}

} // namespace platform::audio
