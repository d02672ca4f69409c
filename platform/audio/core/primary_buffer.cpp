#include "platform/audio/core/primary_buffer.h"

#include "platform/audio/core/call_text.h"
#include "platform/audio/core/dsound_rules.h"
#include "platform/audio/core/listener.h"
#include "platform/audio/core/trace.h"

namespace platform::audio {

PrimaryBuffer::PrimaryBuffer(std::shared_ptr<DeviceContext> context,
                             const DSBUFFERDESC& description)
    : context_(std::move(context)), flags_(description.dwFlags), object_(newBufferObjectName()) {
    if (traceEnabled())
        traceCall(object_, "CreateSoundBuffer", describe(&description));
}

HRESULT PrimaryBuffer::QueryInterface(REFIID riid, void** ppvObject) {
    if (ppvObject == nullptr)
        return E_POINTER;
    *ppvObject = nullptr;
    if (riid == IID_IUnknown || riid == IID_IDirectSoundBuffer) {
        ++references_;
        *ppvObject = static_cast<IDirectSoundBuffer*>(this);
        return DS_OK;
    }
    if (riid == IID_IDirectSound3DListener && (flags_ & DSBCAPS_CTRL3D)) {
        *ppvObject = static_cast<IDirectSound3DListener*>(new Listener(context_));
        return DS_OK;
    }
    return E_NOINTERFACE;
}

ULONG PrimaryBuffer::AddRef() {
    return ++references_;
}

ULONG PrimaryBuffer::Release() {
    const ULONG references = --references_;
    if (references == 0)
        delete this;
    return references;
}

HRESULT PrimaryBuffer::GetCaps(LPDSBCAPS pDSBufferCaps) {
    if (pDSBufferCaps == nullptr || pDSBufferCaps->dwSize != sizeof(DSBCAPS))
        return DSERR_INVALIDPARAM;
    pDSBufferCaps->dwFlags = flags_ | DSBCAPS_LOCSOFTWARE;
    // The mix is pulled in steps, not kept in a ring: one second of it stands for the ring.
    pDSBufferCaps->dwBufferBytes = context_->primaryFormat().nAvgBytesPerSec;
    pDSBufferCaps->dwUnlockTransferRate = 0;
    pDSBufferCaps->dwPlayCpuOverhead = 0;
    return DS_OK;
}

HRESULT PrimaryBuffer::GetCurrentPosition(LPDWORD, LPDWORD) {
    return DSERR_PRIOLEVELNEEDED;
}

HRESULT PrimaryBuffer::GetFormat(LPWAVEFORMATEX pwfxFormat, DWORD dwSizeAllocated,
                                 LPDWORD pdwSizeWritten) {
    return copyFormat(context_->primaryFormat(), pwfxFormat, dwSizeAllocated, pdwSizeWritten);
}

HRESULT PrimaryBuffer::GetVolume(LPLONG plVolume) {
    if (plVolume == nullptr)
        return DSERR_INVALIDPARAM;
    if (!(flags_ & DSBCAPS_CTRLVOLUME))
        return DSERR_CONTROLUNAVAIL;
    *plVolume = context_->primaryVolume();
    return DS_OK;
}

HRESULT PrimaryBuffer::GetFrequency(LPDWORD) {
    return DSERR_CONTROLUNAVAIL;
}

HRESULT PrimaryBuffer::GetStatus(LPDWORD pdwStatus) {
    if (pdwStatus == nullptr)
        return DSERR_INVALIDPARAM;
    *pdwStatus = playing_ ? DSBSTATUS_PLAYING | DSBSTATUS_LOOPING : 0;
    return DS_OK;
}

HRESULT PrimaryBuffer::Lock(DWORD, DWORD, LPVOID*, LPDWORD, LPVOID*, LPDWORD, DWORD) {
    return DSERR_PRIOLEVELNEEDED;
}

HRESULT PrimaryBuffer::Play(DWORD dwReserved1, DWORD dwPriority, DWORD dwFlags) {
    // The mix runs whether or not the primary buffer plays; playing it only keeps it running
    // through silence, which a software mixer does anyway.
    if (dwReserved1 != 0 || dwPriority != 0 || !(dwFlags & DSBPLAY_LOOPING))
        return DSERR_INVALIDPARAM;
    playing_ = true;
    return DS_OK;
}

HRESULT PrimaryBuffer::SetCurrentPosition(DWORD) {
    return DSERR_INVALIDCALL;
}

HRESULT PrimaryBuffer::SetFormat(LPCWAVEFORMATEX pcfxFormat) {
    if (context_->cooperativeLevel() < DSSCL_PRIORITY)
        return DSERR_PRIOLEVELNEEDED;
    if (pcfxFormat == nullptr)
        return DSERR_INVALIDPARAM;
    if (!isPrimaryPcm(*pcfxFormat))
        return DSERR_BADFORMAT;
    WAVEFORMATEX format = *pcfxFormat;
    format.cbSize = 0;
    context_->setPrimaryFormat(format);
    if (traceEnabled())
        traceCall(object_, "SetFormat", describe(&format));
    return DS_OK;
}

HRESULT PrimaryBuffer::SetVolume(LONG lVolume) {
    if (!(flags_ & DSBCAPS_CTRLVOLUME))
        return DSERR_CONTROLUNAVAIL;
    if (HRESULT check = checkVolume(lVolume); FAILED(check))
        return check;
    context_->setPrimaryVolume(lVolume);
    if (traceEnabled())
        traceCall(object_, "SetVolume", describe(lVolume));
    return DS_OK;
}

HRESULT PrimaryBuffer::SetPan(LONG) {
    return DSERR_CONTROLUNAVAIL;
}

HRESULT PrimaryBuffer::SetFrequency(DWORD) {
    return DSERR_CONTROLUNAVAIL;
}

HRESULT PrimaryBuffer::Stop() {
    playing_ = false;
    return DS_OK;
}

HRESULT PrimaryBuffer::Unlock(LPVOID, DWORD, LPVOID, DWORD) {
    return DSERR_PRIOLEVELNEEDED;
}

HRESULT PrimaryBuffer::Restore() {
    return DS_OK;
}

} // namespace platform::audio
