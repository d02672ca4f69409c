// What every traced wrapper shares: its own reference count over one reference to the system's
// object, the object's name and its sound's name in the trace, and the trace line after a call
// that succeeded.
#pragma once

#include "platform/audio/core/trace.h"
#include "platform/audio/dsound.h"

#include <string>

namespace platform::audio {

template <typename Interface> class TracedInterface : public Interface {
public:
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        ULONG references = --references_;
        if (references == 0) {
            system_->Release();
            if (traceRelease_) {
                traceCall(object_, "Release", "", sound_);
            }
            delete this;
        }
        return references;
    }

protected:
    TracedInterface(Interface* system, std::string object, std::string sound, bool traceRelease)
        : system_(system), object_(std::move(object)), sound_(std::move(sound)),
          traceRelease_(traceRelease) {}
    virtual ~TracedInterface() = default;

    // Hands out this wrapper for the interface it stands for, anything else as the system has it.
    HRESULT queryInterface(REFIID riid, void** ppvObject, const IID& own) {
        if (ppvObject != nullptr && (riid == IID_IUnknown || riid == own)) {
            AddRef();
            *ppvObject = this;
            return DS_OK;
        }
        return system_->QueryInterface(riid, ppvObject);
    }

    HRESULT traced(HRESULT result, const char* call, const std::string& arguments) const {
        if (SUCCEEDED(result)) {
            traceCall(object_, call, arguments, sound_);
        }
        return result;
    }

    Interface* const system_;
    const std::string object_;
    const std::string sound_;

private:
    const bool traceRelease_;
    ULONG references_ = 1;
};

} // namespace platform::audio
