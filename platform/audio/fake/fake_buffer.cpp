#include "platform/audio/core/call_text.h"
#include "platform/audio/core/dsound_rules.h"
#include "platform/audio/fake/fake_objects.h"

#include <algorithm>

namespace platform::audio::fake {

FakeBuffer::FakeBuffer(std::shared_ptr<DeviceState> device, const DSBUFFERDESC& description,
                       std::string name)
    : device_(std::move(device)), state_(addBuffer(std::move(name))),
      name_("buffer" + std::to_string(state_->id)) {
    state_->flags = description.dwFlags;
    state_->references = 1;
    state_->parameters3D = default3DBufferParameters();
    if (isPrimary()) {
        state_->format = device_->primaryFormat;
        return;
    }
    state_->bufferBytes = description.dwBufferBytes;
    state_->format = *description.lpwfxFormat;
    state_->frequency = state_->format.nSamplesPerSec;
    state_->samples.assign(description.dwBufferBytes, 0);
}

template <typename... Arguments>
std::optional<HRESULT> FakeBuffer::enter(const char* method, const Arguments&... arguments) {
    return fake::enter(name_, method, argumentText(arguments...));
}

HRESULT FakeBuffer::needsControl(DWORD control) const {
    return (state_->flags & control) ? DS_OK : DSERR_CONTROLUNAVAIL;
}

HRESULT FakeBuffer::QueryInterface(REFIID riid, void** ppvObject) {
    if (auto failure = fake::enter(name_, "QueryInterface", describe(&riid), 0, &riid)) {
        if (ppvObject)
            *ppvObject = nullptr;
        return *failure;
    }
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    const bool has3D = state_->flags & DSBCAPS_CTRL3D;
    if (riid == IID_IUnknown || riid == IID_IDirectSoundBuffer ||
        (riid == IID_IDirectSoundBuffer8 && !isPrimary()))
        *ppvObject = static_cast<IDirectSoundBuffer8*>(this);
    else if (riid == IID_IDirectSound3DBuffer && has3D && !isPrimary())
        *ppvObject = static_cast<IDirectSound3DBuffer*>(this);
    else if (riid == IID_IDirectSound3DListener && has3D && isPrimary()) {
        *ppvObject = static_cast<IDirectSound3DListener*>(new FakeListener(device_));
        return DS_OK;
    } else
        return E_NOINTERFACE;
    ++state_->references;
    return DS_OK;
}

ULONG FakeBuffer::AddRef() {
    enter("AddRef");
    return ++state_->references;
}

ULONG FakeBuffer::Release() {
    enter("Release");
    const ULONG references = --state_->references;
    if (references == 0) {
        state_->playing = false;
        delete this;
    }
    return references;
}

HRESULT FakeBuffer::GetCaps(LPDSBCAPS pDSBufferCaps) {
    if (auto failure = enter("GetCaps", Pointer{pDSBufferCaps}))
        return *failure;
    if (pDSBufferCaps == nullptr || pDSBufferCaps->dwSize != sizeof(DSBCAPS))
        return DSERR_INVALIDPARAM;
    const DWORD location = state_->flags & DSBCAPS_LOCHARDWARE ? 0 : DSBCAPS_LOCSOFTWARE;
    pDSBufferCaps->dwFlags = state_->flags | location;
    pDSBufferCaps->dwBufferBytes = state_->bufferBytes;
    pDSBufferCaps->dwUnlockTransferRate = 0;
    pDSBufferCaps->dwPlayCpuOverhead = 0;
    return DS_OK;
}

HRESULT FakeBuffer::GetCurrentPosition(LPDWORD pdwCurrentPlayCursor,
                                       LPDWORD pdwCurrentWriteCursor) {
    if (auto failure = enter("GetCurrentPosition", Pointer{pdwCurrentPlayCursor},
                             Pointer{pdwCurrentWriteCursor}))
        return *failure;
    if (pdwCurrentPlayCursor)
        *pdwCurrentPlayCursor = state_->playPosition;
    if (pdwCurrentWriteCursor)
        *pdwCurrentWriteCursor = state_->playPosition;
    return DS_OK;
}

HRESULT FakeBuffer::GetFormat(LPWAVEFORMATEX pwfxFormat, DWORD dwSizeAllocated,
                              LPDWORD pdwSizeWritten) {
    if (auto failure =
            enter("GetFormat", Pointer{pwfxFormat}, dwSizeAllocated, Pointer{pdwSizeWritten}))
        return *failure;
    return copyFormat(state_->format, pwfxFormat, dwSizeAllocated, pdwSizeWritten);
}

HRESULT FakeBuffer::GetVolume(LPLONG plVolume) {
    if (auto failure = enter("GetVolume", Pointer{plVolume}))
        return *failure;
    if (plVolume == nullptr)
        return DSERR_INVALIDPARAM;
    if (HRESULT control = needsControl(DSBCAPS_CTRLVOLUME); FAILED(control))
        return control;
    *plVolume = state_->volume;
    return DS_OK;
}

HRESULT FakeBuffer::GetFrequency(LPDWORD pdwFrequency) {
    if (auto failure = enter("GetFrequency", Pointer{pdwFrequency}))
        return *failure;
    if (pdwFrequency == nullptr)
        return DSERR_INVALIDPARAM;
    if (HRESULT control = needsControl(DSBCAPS_CTRLFREQUENCY); FAILED(control))
        return control;
    *pdwFrequency = state_->frequency;
    return DS_OK;
}

HRESULT FakeBuffer::GetStatus(LPDWORD pdwStatus) {
    if (auto failure = enter("GetStatus", Pointer{pdwStatus}))
        return *failure;
    if (pdwStatus == nullptr)
        return DSERR_INVALIDPARAM;
    *pdwStatus = (state_->playing ? DSBSTATUS_PLAYING : 0) |
                 (state_->playing && state_->looping ? DSBSTATUS_LOOPING : 0) |
                 (state_->lost ? DSBSTATUS_BUFFERLOST : 0);
    return DS_OK;
}

HRESULT FakeBuffer::Lock(DWORD dwOffset, DWORD dwBytes, LPVOID* ppvAudioPtr1,
                         LPDWORD pdwAudioBytes1, LPVOID* ppvAudioPtr2, LPDWORD pdwAudioBytes2,
                         DWORD dwFlags) {
    if (auto failure =
            enter("Lock", dwOffset, dwBytes, Pointer{ppvAudioPtr1}, Pointer{pdwAudioBytes1},
                  Pointer{ppvAudioPtr2}, Pointer{pdwAudioBytes2}, Hex{dwFlags}))
        return *failure;
    if (state_->lost)
        return DSERR_BUFFERLOST;
    LockRegion region;
    if (ppvAudioPtr1 == nullptr || pdwAudioBytes1 == nullptr || isPrimary() ||
        FAILED(lockRegion(state_->bufferBytes, dwOffset, dwBytes, dwFlags, state_->playPosition,
                          region)))
        return DSERR_INVALIDPARAM;
    *ppvAudioPtr1 = state_->samples.data() + region.firstOffset;
    *pdwAudioBytes1 = region.firstBytes;
    if (ppvAudioPtr2)
        *ppvAudioPtr2 = region.secondBytes ? state_->samples.data() : nullptr;
    if (pdwAudioBytes2)
        *pdwAudioBytes2 = ppvAudioPtr2 ? region.secondBytes : 0;
    return DS_OK;
}

HRESULT FakeBuffer::Play(DWORD dwReserved1, DWORD dwPriority, DWORD dwFlags) {
    if (auto failure = enter("Play", dwReserved1, dwPriority, Hex{dwFlags}))
        return *failure;
    if (state_->lost)
        return DSERR_BUFFERLOST;
    state_->playing = true;
    state_->looping = dwFlags & DSBPLAY_LOOPING;
    return DS_OK;
}

HRESULT FakeBuffer::SetCurrentPosition(DWORD dwNewPosition) {
    if (auto failure = enter("SetCurrentPosition", dwNewPosition))
        return *failure;
    if (isPrimary() || dwNewPosition >= state_->bufferBytes)
        return DSERR_INVALIDPARAM;
    state_->playPosition = dwNewPosition;
    return DS_OK;
}

HRESULT FakeBuffer::SetFormat(LPCWAVEFORMATEX pcfxFormat) {
    if (auto failure = enter("SetFormat", pcfxFormat))
        return *failure;
    if (!isPrimary())
        return DSERR_INVALIDCALL;
    if (device_->cooperativeLevel < DSSCL_PRIORITY)
        return DSERR_PRIOLEVELNEEDED;
    if (pcfxFormat == nullptr)
        return DSERR_INVALIDPARAM;
    if (!isPrimaryPcm(*pcfxFormat))
        return DSERR_BADFORMAT;
    state_->format = *pcfxFormat;
    device_->primaryFormat = *pcfxFormat;
    return DS_OK;
}

HRESULT FakeBuffer::SetVolume(LONG lVolume) {
    if (auto failure = enter("SetVolume", lVolume))
        return *failure;
    if (HRESULT check = firstFailure({needsControl(DSBCAPS_CTRLVOLUME), checkVolume(lVolume)});
        FAILED(check))
        return check;
    state_->volume = lVolume;
    return DS_OK;
}

HRESULT FakeBuffer::SetPan(LONG lPan) {
    if (auto failure = enter("SetPan", lPan))
        return *failure;
    if (HRESULT check = firstFailure({needsControl(DSBCAPS_CTRLPAN), checkPan(lPan)});
        FAILED(check))
        return check;
    state_->pan = lPan;
    return DS_OK;
}

HRESULT FakeBuffer::SetFrequency(DWORD dwFrequency) {
    if (auto failure = enter("SetFrequency", dwFrequency))
        return *failure;
    if (isPrimary())
        return DSERR_CONTROLUNAVAIL;
    if (HRESULT check =
            firstFailure({needsControl(DSBCAPS_CTRLFREQUENCY), checkFrequency(dwFrequency)});
        FAILED(check))
        return check;
    state_->frequency =
        dwFrequency == DSBFREQUENCY_ORIGINAL ? state_->format.nSamplesPerSec : dwFrequency;
    return DS_OK;
}

HRESULT FakeBuffer::Stop() {
    if (auto failure = enter("Stop"))
        return *failure;
    state_->playing = false;
    return DS_OK;
}

HRESULT FakeBuffer::Unlock(LPVOID pvAudioPtr1, DWORD dwAudioBytes1, LPVOID pvAudioPtr2,
                           DWORD dwAudioBytes2) {
    if (auto failure = enter("Unlock", Pointer{pvAudioPtr1}, dwAudioBytes1, Pointer{pvAudioPtr2},
                             dwAudioBytes2))
        return *failure;
    return checkUnlock(state_->samples.data(), state_->samples.size(), pvAudioPtr1, dwAudioBytes1,
                       pvAudioPtr2, dwAudioBytes2);
}

HRESULT FakeBuffer::Restore() {
    if (auto failure = enter("Restore"))
        return *failure;
    if (state_->lost)
        std::fill(state_->samples.begin(), state_->samples.end(), uint8_t{0});
    state_->lost = false;
    return DS_OK;
}

HRESULT FakeBuffer::GetAllParameters(LPDS3DBUFFER pDs3dBuffer) {
    if (auto failure = enter("GetAllParameters", Pointer{pDs3dBuffer}))
        return *failure;
    if (pDs3dBuffer == nullptr || pDs3dBuffer->dwSize != sizeof(DS3DBUFFER))
        return DSERR_INVALIDPARAM;
    *pDs3dBuffer = state_->parameters3D;
    return DS_OK;
}

HRESULT FakeBuffer::set3D(const char* call, ArgumentText arguments, DWORD, HRESULT check,
                          Change3D change) {
    if (auto failure = fake::enter(name_, call, arguments()))
        return *failure;
    if (FAILED(check))
        return check;
    change(state_->parameters3D);
    return DS_OK;
}

} // namespace platform::audio::fake
