// Control of the scriptable DirectSound of the static library vrdsound_fake, for tests of sound
// code: it records every call in order, fails the calls a test chooses, reports the capabilities
// and speaker configuration a test sets, and keeps the state of every buffer for reading back.
// It mixes nothing. Link vrdsound_fake instead of vrdsound; call reset() before each test.
//
// Objects in the record: "DirectSound" for the device, "buffer<N>" for the N-th buffer created
// since the reset (primary buffers included, counted from 1; the 3D interface of a buffer is the
// buffer itself), "listener" for the 3D listener, "" for free functions (DirectSoundCreate8,
// nameNextSoundBuffer).
//
// Arguments are written as the call received them, separated by ", ": integers in decimal,
// flags in hex (0x...), floats with %g, dwApply as IMMEDIATE or DEFERRED, interface ids by name
// (IID_IDirectSound3DBuffer), a buffer description as "flags=0x000100b0 bytes=44100
// format=1ch/22050Hz/16bit" (format=none without one), a wave format as "1ch/22050Hz/16bit",
// pointers as "null" or "ptr". Calls without arguments show none: "buffer3.Stop()".
#pragma once

#include "platform/audio/dsound.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform::audio::fake {

struct Call {
    std::string object;
    std::string method;
    std::string arguments;

    // "buffer3.SetVolume(-4980)"; "DirectSoundCreate8(null)" for a free function.
    std::string text() const;
};

// Makes matching calls return `code` without acting. A call matches when its method is
// `method`, its object is `object` (any when empty), its description has all of `withFlags`
// (CreateSoundBuffer only) and it asks for `interfaceId` (QueryInterface only, any when null).
// Of the matching calls, counted from 1 since the rule was added, the `firstCall`-th and the
// `callCount` - 1 after it fail; callCount 0 fails every one from firstCall on. A success code on
// CreateSoundBuffer (DS_NO_VIRTUALIZATION) is the exception: the buffer is created and the call
// returns that code.
struct Failure {
    std::string method;
    HRESULT code = E_FAIL;
    int firstCall = 1;
    int callCount = 0;
    DWORD withFlags = 0;
    const IID* interfaceId = nullptr;
    std::string object;
};

struct BufferState {
    int id = 0;
    std::string name; // given by nameNextSoundBuffer before creation
    DWORD flags = 0;
    DWORD bufferBytes = 0;
    WAVEFORMATEX format{}; // a primary buffer's: the last format set on it
    std::vector<uint8_t> samples;
    LONG volume = DSBVOLUME_MAX;
    LONG pan = DSBPAN_CENTER;
    DWORD frequency = 0; // the format's rate until SetFrequency
    DWORD playPosition = 0;
    bool playing = false; // from Play to Stop or the last Release
    bool looping = false;
    bool lost = false;
    DS3DBUFFER parameters3D{}; // as last set, deferred or not
    ULONG references = 0;      // 0 once released
};

struct DeviceState {
    bool created = false;
    ULONG references = 0;
    HWND window = nullptr;
    DWORD cooperativeLevel = 0;
    WAVEFORMATEX primaryFormat{}; // the last format a primary buffer took
    DS3DLISTENER listener{};      // as last set, deferred or not
    ULONG listenerReferences = 0;
    int commits = 0;
};

// Forgets calls, failures, buffers and device state, and restores the default capabilities
// (software mixing only: no hardware buffers, not certified) and speaker configuration (stereo,
// wide geometry). Objects still held keep working but are no longer read back.
void reset();

const std::vector<Call>& calls();
// The calls as text, in order, optionally only those of one method.
std::vector<std::string> callTexts(const std::string& method = {});

void addFailure(Failure failure);

// The capabilities GetCaps reports; tests change fields in place (dwSize is set by GetCaps).
DSCAPS& capabilities();
void setSpeakerConfig(DWORD speakerConfig);

// Marks a buffer lost: GetStatus reports DSBSTATUS_BUFFERLOST, Lock and Play fail with
// DSERR_BUFFERLOST, and Restore clears it and zeroes the samples, as a lost buffer's memory is.
void setBufferLost(int bufferId);

int bufferCount();
// The state of buffer `bufferId` (1 .. bufferCount(); std::out_of_range otherwise).
const BufferState& buffer(int bufferId);
// The state of the DirectSound object created last.
const DeviceState& device();

} // namespace platform::audio::fake
