#include "platform/audio/core/call_text.h"
#include "platform/audio/core/dsound_rules.h"
#include "platform/audio/fake/fake_objects.h"

namespace platform::audio::fake {

namespace {
const char* const deviceName = "DirectSound";
}

FakeDirectSound::FakeDirectSound() : state_(startDevice()) {
    state_->created = true;
    state_->references = 1;
}

HRESULT FakeDirectSound::QueryInterface(REFIID riid, void** ppvObject) {
    if (auto failure = enter(deviceName, "QueryInterface", describe(&riid), 0, &riid)) {
        if (ppvObject)
            *ppvObject = nullptr;
        return *failure;
    }
    if (ppvObject == nullptr)
        return E_POINTER;
    if (riid != IID_IUnknown && riid != IID_IDirectSound && riid != IID_IDirectSound8) {
        *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    ++state_->references;
    *ppvObject = static_cast<IDirectSound8*>(this);
    return DS_OK;
}

ULONG FakeDirectSound::AddRef() {
    enter(deviceName, "AddRef", "");
    return ++state_->references;
}

ULONG FakeDirectSound::Release() {
    enter(deviceName, "Release", "");
    const ULONG references = --state_->references;
    if (references == 0)
        delete this;
    return references;
}

HRESULT FakeDirectSound::CreateSoundBuffer(LPCDSBUFFERDESC pcDSBufferDesc,
                                           LPDIRECTSOUNDBUFFER* ppDSBuffer, LPUNKNOWN pUnkOuter) {
    std::string name = takeNextBufferName();
    const DWORD flags = pcDSBufferDesc ? pcDSBufferDesc->dwFlags : 0;
    const auto arguments = argumentText(pcDSBufferDesc, Pointer{ppDSBuffer}, Pointer{pUnkOuter});
    const std::optional<HRESULT> scripted =
        enter(deviceName, "CreateSoundBuffer", arguments, flags);
    if (scripted && FAILED(*scripted)) {
        if (ppDSBuffer)
            *ppDSBuffer = nullptr;
        return *scripted;
    }
    if (ppDSBuffer == nullptr)
        return DSERR_INVALIDPARAM;
    *ppDSBuffer = nullptr;
    if (pUnkOuter != nullptr)
        return DSERR_NOAGGREGATION;
    if (HRESULT check = checkBufferDescription(pcDSBufferDesc); FAILED(check))
        return check;
    *ppDSBuffer =
        static_cast<IDirectSoundBuffer8*>(new FakeBuffer(state_, *pcDSBufferDesc, std::move(name)));
    return scripted.value_or(DS_OK);
}

HRESULT FakeDirectSound::GetCaps(LPDSCAPS pDSCaps) {
    if (auto failure = enter(deviceName, "GetCaps", describe(Pointer{pDSCaps})))
        return *failure;
    if (pDSCaps == nullptr || pDSCaps->dwSize != sizeof(DSCAPS))
        return DSERR_INVALIDPARAM;
    *pDSCaps = capabilities();
    pDSCaps->dwSize = sizeof(DSCAPS);
    return DS_OK;
}

HRESULT FakeDirectSound::SetCooperativeLevel(HWND hwnd, DWORD dwLevel) {
    if (auto failure =
            enter(deviceName, "SetCooperativeLevel", argumentText(Pointer{hwnd}, dwLevel)))
        return *failure;
    if (dwLevel < DSSCL_NORMAL || dwLevel > DSSCL_WRITEPRIMARY)
        return DSERR_INVALIDPARAM;
    state_->window = hwnd;
    state_->cooperativeLevel = dwLevel;
    return DS_OK;
}

HRESULT FakeDirectSound::GetSpeakerConfig(LPDWORD pdwSpeakerConfig) {
    if (auto failure = enter(deviceName, "GetSpeakerConfig", describe(Pointer{pdwSpeakerConfig})))
        return *failure;
    if (pdwSpeakerConfig == nullptr)
        return DSERR_INVALIDPARAM;
    *pdwSpeakerConfig = speakerConfig();
    return DS_OK;
}

} // namespace platform::audio::fake

extern "C" HRESULT DirectSoundCreate8(LPCGUID pcGuidDevice, LPDIRECTSOUND8* ppDS8,
                                      LPUNKNOWN pUnkOuter) {
    using namespace platform::audio;
    if (auto failure = fake::enter("", "DirectSoundCreate8", describe(pcGuidDevice))) {
        if (ppDS8)
            *ppDS8 = nullptr;
        return *failure;
    }
    if (ppDS8 == nullptr)
        return DSERR_INVALIDPARAM;
    *ppDS8 = nullptr;
    if (pUnkOuter != nullptr)
        return DSERR_NOAGGREGATION;
    *ppDS8 = new fake::FakeDirectSound();
    return DS_OK;
}
