// The 3D interfaces: a buffer's 3D settings are traced under the buffer's name, the listener's
// under "listener".
#include "platform/audio/core/call_text.h"
#include "platform/audio/windows/traced_interface.h"
#include "platform/audio/windows/traced_objects.h"

namespace platform::audio {

namespace {
class TracedBuffer3D final : public TracedInterface<IDirectSound3DBuffer> {
public:
    TracedBuffer3D(IDirectSound3DBuffer* system, const std::string& object,
                   const std::string& sound)
        : TracedInterface(system, object, sound, false) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override {
        return queryInterface(riid, ppvObject, IID_IDirectSound3DBuffer);
    }
    HRESULT STDMETHODCALLTYPE GetAllParameters(LPDS3DBUFFER parameters) override {
        return system_->GetAllParameters(parameters);
    }
    HRESULT STDMETHODCALLTYPE GetConeAngles(LPDWORD inside, LPDWORD outside) override {
        return system_->GetConeAngles(inside, outside);
    }
    HRESULT STDMETHODCALLTYPE GetConeOrientation(LPD3DVECTOR orientation) override {
        return system_->GetConeOrientation(orientation);
    }
    HRESULT STDMETHODCALLTYPE GetConeOutsideVolume(LPLONG volume) override {
        return system_->GetConeOutsideVolume(volume);
    }
    HRESULT STDMETHODCALLTYPE GetMaxDistance(LPD3DVALUE distance) override {
        return system_->GetMaxDistance(distance);
    }
    HRESULT STDMETHODCALLTYPE GetMinDistance(LPD3DVALUE distance) override {
        return system_->GetMinDistance(distance);
    }
    HRESULT STDMETHODCALLTYPE GetMode(LPDWORD mode) override { return system_->GetMode(mode); }
    HRESULT STDMETHODCALLTYPE GetPosition(LPD3DVECTOR position) override {
        return system_->GetPosition(position);
    }
    HRESULT STDMETHODCALLTYPE GetVelocity(LPD3DVECTOR velocity) override {
        return system_->GetVelocity(velocity);
    }
    HRESULT STDMETHODCALLTYPE SetAllParameters(LPCDS3DBUFFER parameters, DWORD apply) override {
        return traced(system_->SetAllParameters(parameters, apply), "SetAllParameters",
                      argumentText(parameters, Apply{apply}));
    }
    HRESULT STDMETHODCALLTYPE SetConeAngles(DWORD inside, DWORD outside, DWORD apply) override {
        return traced(system_->SetConeAngles(inside, outside, apply), "SetConeAngles",
                      argumentText(inside, outside, Apply{apply}));
    }
    HRESULT STDMETHODCALLTYPE SetConeOrientation(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                                 DWORD apply) override {
        return traced(system_->SetConeOrientation(x, y, z, apply), "SetConeOrientation",
                      argumentText(x, y, z, Apply{apply}));
    }
    HRESULT STDMETHODCALLTYPE SetConeOutsideVolume(LONG volume, DWORD apply) override {
        return traced(system_->SetConeOutsideVolume(volume, apply), "SetConeOutsideVolume",
                      argumentText(volume, Apply{apply}));
    }
    HRESULT STDMETHODCALLTYPE SetMaxDistance(D3DVALUE distance, DWORD apply) override {
        return traced(system_->SetMaxDistance(distance, apply), "SetMaxDistance",
                      argumentText(distance, Apply{apply}));
    }
    HRESULT STDMETHODCALLTYPE SetMinDistance(D3DVALUE distance, DWORD apply) override {
        return traced(system_->SetMinDistance(distance, apply), "SetMinDistance",
                      argumentText(distance, Apply{apply}));
    }
    HRESULT STDMETHODCALLTYPE SetMode(DWORD mode, DWORD apply) override {
        return traced(system_->SetMode(mode, apply), "SetMode", argumentText(mode, Apply{apply}));
    }
    HRESULT STDMETHODCALLTYPE SetPosition(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                          DWORD apply) override {
        return traced(system_->SetPosition(x, y, z, apply), "SetPosition",
                      argumentText(x, y, z, Apply{apply}));
    }
    HRESULT STDMETHODCALLTYPE SetVelocity(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                          DWORD apply) override {
        return traced(system_->SetVelocity(x, y, z, apply), "SetVelocity",
                      argumentText(x, y, z, Apply{apply}));
    }
};

class TracedListener final : public TracedInterface<IDirectSound3DListener> {
public:
    explicit TracedListener(IDirectSound3DListener* system)
        : TracedInterface(system, "listener", "", false) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override {
        return queryInterface(riid, ppvObject, IID_IDirectSound3DListener);
    }
    HRESULT STDMETHODCALLTYPE GetAllParameters(LPDS3DLISTENER parameters) override {
        return system_->GetAllParameters(parameters);
    }
    HRESULT STDMETHODCALLTYPE GetDistanceFactor(LPD3DVALUE factor) override {
        return system_->GetDistanceFactor(factor);
    }
    HRESULT STDMETHODCALLTYPE GetDopplerFactor(LPD3DVALUE factor) override {
        return system_->GetDopplerFactor(factor);
    }
    HRESULT STDMETHODCALLTYPE GetOrientation(LPD3DVECTOR front, LPD3DVECTOR top) override {
        return system_->GetOrientation(front, top);
    }
    HRESULT STDMETHODCALLTYPE GetPosition(LPD3DVECTOR position) override {
        return system_->GetPosition(position);
    }
    HRESULT STDMETHODCALLTYPE GetRolloffFactor(LPD3DVALUE factor) override {
        return system_->GetRolloffFactor(factor);
    }
    HRESULT STDMETHODCALLTYPE GetVelocity(LPD3DVECTOR velocity) override {
        return system_->GetVelocity(velocity);
    }
    HRESULT STDMETHODCALLTYPE SetAllParameters(LPCDS3DLISTENER parameters, DWORD apply) override {
        return traced(system_->SetAllParameters(parameters, apply), "SetAllParameters",
                      argumentText(parameters, Apply{apply}));
    }
    HRESULT STDMETHODCALLTYPE SetDistanceFactor(D3DVALUE factor, DWORD apply) override {
        return traced(system_->SetDistanceFactor(factor, apply), "SetDistanceFactor",
                      argumentText(factor, Apply{apply}));
    }
    HRESULT STDMETHODCALLTYPE SetDopplerFactor(D3DVALUE factor, DWORD apply) override {
        return traced(system_->SetDopplerFactor(factor, apply), "SetDopplerFactor",
                      argumentText(factor, Apply{apply}));
    }
    HRESULT STDMETHODCALLTYPE SetOrientation(D3DVALUE xFront, D3DVALUE yFront, D3DVALUE zFront,
                                             D3DVALUE xTop, D3DVALUE yTop, D3DVALUE zTop,
                                             DWORD apply) override {
        return traced(system_->SetOrientation(xFront, yFront, zFront, xTop, yTop, zTop, apply),
                      "SetOrientation",
                      argumentText(xFront, yFront, zFront, xTop, yTop, zTop, Apply{apply}));
    }
    HRESULT STDMETHODCALLTYPE SetPosition(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                          DWORD apply) override {
        return traced(system_->SetPosition(x, y, z, apply), "SetPosition",
                      argumentText(x, y, z, Apply{apply}));
    }
    HRESULT STDMETHODCALLTYPE SetRolloffFactor(D3DVALUE factor, DWORD apply) override {
        return traced(system_->SetRolloffFactor(factor, apply), "SetRolloffFactor",
                      argumentText(factor, Apply{apply}));
    }
    HRESULT STDMETHODCALLTYPE SetVelocity(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                          DWORD apply) override {
        return traced(system_->SetVelocity(x, y, z, apply), "SetVelocity",
                      argumentText(x, y, z, Apply{apply}));
    }
    HRESULT STDMETHODCALLTYPE CommitDeferredSettings() override {
        return traced(system_->CommitDeferredSettings(), "CommitDeferredSettings", "");
    }
};
} // namespace

IDirectSound3DBuffer* traceBuffer3D(IDirectSound3DBuffer* system, const std::string& object,
                                    const std::string& sound) {
    return new TracedBuffer3D(system, object, sound);
}

IDirectSound3DListener* traceListener(IDirectSound3DListener* system) {
    return new TracedListener(system);
}

} // namespace platform::audio
