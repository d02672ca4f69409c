// A secondary buffer: DirectSound's copy of a sound's samples, played by one mixer voice, with
// its 3D interface when created with DSBCAPS_CTRL3D. The samples are ours: Lock hands them out
// and Unlock gives the mixer the new ones.
//
// With DSBCAPS_MUTE3DATMAXDISTANCE a buffer past its maximum distance is silent but goes on
// playing. Accepted without effect: DSBCAPS_CTRLPOSITIONNOTIFY and DSBCAPS_CTRLFX (no
// notification or effect interfaces), and SetPan on a stereo buffer, whose channels go straight
// to the outputs.
#pragma once

#include "platform/audio/core/device_context.h"
#include "platform/audio/core/setters_3d.h"

#include <string>
#include <vector>

namespace platform::audio {

class SoundBuffer final : public IDirectSoundBuffer8, public Buffer3DSetters<SoundBuffer> {
public:
    // Fails with DSERR_OUTOFMEMORY when the mixer has no voice left.
    static HRESULT create(std::shared_ptr<DeviceContext> context, const DSBUFFERDESC& description,
                          std::string name, LPDIRECTSOUNDBUFFER* buffer);

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    HRESULT STDMETHODCALLTYPE GetCaps(LPDSBCAPS pDSBufferCaps) override;
    HRESULT STDMETHODCALLTYPE GetCurrentPosition(LPDWORD pdwCurrentPlayCursor,
                                                 LPDWORD pdwCurrentWriteCursor) override;
    HRESULT STDMETHODCALLTYPE GetFormat(LPWAVEFORMATEX pwfxFormat, DWORD dwSizeAllocated,
                                        LPDWORD pdwSizeWritten) override;
    HRESULT STDMETHODCALLTYPE GetVolume(LPLONG plVolume) override;
    HRESULT STDMETHODCALLTYPE GetFrequency(LPDWORD pdwFrequency) override;
    HRESULT STDMETHODCALLTYPE GetStatus(LPDWORD pdwStatus) override;
    HRESULT STDMETHODCALLTYPE Lock(DWORD dwOffset, DWORD dwBytes, LPVOID* ppvAudioPtr1,
                                   LPDWORD pdwAudioBytes1, LPVOID* ppvAudioPtr2,
                                   LPDWORD pdwAudioBytes2, DWORD dwFlags) override;
    HRESULT STDMETHODCALLTYPE Play(DWORD dwReserved1, DWORD dwPriority, DWORD dwFlags) override;
    HRESULT STDMETHODCALLTYPE SetCurrentPosition(DWORD dwNewPosition) override;
    HRESULT STDMETHODCALLTYPE SetFormat(LPCWAVEFORMATEX pcfxFormat) override;
    HRESULT STDMETHODCALLTYPE SetVolume(LONG lVolume) override;
    HRESULT STDMETHODCALLTYPE SetPan(LONG lPan) override;
    HRESULT STDMETHODCALLTYPE SetFrequency(DWORD dwFrequency) override;
    HRESULT STDMETHODCALLTYPE Stop() override;
    HRESULT STDMETHODCALLTYPE Unlock(LPVOID pvAudioPtr1, DWORD dwAudioBytes1, LPVOID pvAudioPtr2,
                                     DWORD dwAudioBytes2) override;
    HRESULT STDMETHODCALLTYPE Restore() override;

    HRESULT STDMETHODCALLTYPE GetAllParameters(LPDS3DBUFFER pDs3dBuffer) override;

    // By the device's commit: makes the deferred 3D settings heard, and the listener's.
    void commitDeferredSettings(bool rolloffChanged);
    // By the device when the listener heard has changed.
    void listenerChanged(bool rolloffChanged);
    // By the device after a commit: whether the buffer still needs its visits.
    bool staysWatched();

private:
    SoundBuffer(std::shared_ptr<DeviceContext> context, std::unique_ptr<Voice> voice,
                const DSBUFFERDESC& description, std::string name);
    ~SoundBuffer();

    bool is3D() const { return flags_ & DSBCAPS_CTRL3D; }
    // A new buffer's silence reaches the mixer only if it is played before any Unlock: loading a
    // sound copies its samples to the mixer once.
    void giveVoiceTheSamples();
    void placeVoice();
    void applyGain();
    void followMaxDistanceMute();
    bool followsListener() const {
        return played_ && is3D() && (flags_ & DSBCAPS_MUTE3DATMAXDISTANCE);
    }
    void watchIfNeeded();
    HRESULT needsControl(DWORD control) const;
    friend class Buffer3DSetters<SoundBuffer>;
    HRESULT set3D(const char* call, ArgumentText arguments, DWORD apply, HRESULT check,
                  Change3D change);
    void trace(const char* call, ArgumentText arguments) const;
    void trace(const char* call) const;

    std::shared_ptr<DeviceContext> context_;
    std::unique_ptr<Voice> voice_;
    DWORD flags_;
    WAVEFORMATEX format_;
    std::vector<uint8_t> samples_;
    LONG volume_ = DSBVOLUME_MAX;
    LONG pan_ = DSBPAN_CENTER;
    bool looping_ = false;
    bool mutedPastMaxDistance_ = false;
    bool voiceHasSamples_ = false;
    // Settings made with DS3D_DEFERRED since the last commit.
    bool deferredPending_ = false;
    // Played and not stopped since: only such a buffer follows the listener's moves at once past
    // its maximum distance; the others catch up when played.
    bool played_ = false;
    bool watched_ = false; // in the device's list of buffers it visits
    DWORD frequency_;
    DS3DBUFFER settings3D_; // as last set, deferred or not
    DS3DBUFFER heard3D_;
    ULONG references_ = 1;
    std::string object_;
    std::string name_;
};

} // namespace platform::audio
