// DirectSound 8 as this platform offers it: the interfaces, structures, flags and values of the
// real <dsound.h> (with WAVEFORMATEX from <mmreg.h>), so that sound code written for DirectSound
// compiles unchanged here and on Windows. Only the part of the API the system uses is declared;
// every value is the documented DirectSound value.
//
// Two implementations share these symbols: the shared library vrdsound, which mixes with
// OpenAL Soft (see audio_output.h for the host's choice of output), and the static library
// vrdsound_fake for tests (see dsound_fake.h).
#pragma once

#ifdef _WIN32
#include <dsound.h>
#else
#include "platform/audio/com_interface.h"
#include "platform/result_codes.h"

#include <cfloat>

// ---- Wave formats (mmreg.h): packed as on Windows, where WAVEFORMATEX is 18 bytes.
#pragma pack(push, 1)
struct WAVEFORMAT {
    WORD wFormatTag;
    WORD nChannels;
    DWORD nSamplesPerSec;
    DWORD nAvgBytesPerSec;
    WORD nBlockAlign;
};
struct PCMWAVEFORMAT {
    WAVEFORMAT wf;
    WORD wBitsPerSample;
};
struct WAVEFORMATEX {
    WORD wFormatTag;
    WORD nChannels;
    DWORD nSamplesPerSec;
    DWORD nAvgBytesPerSec;
    WORD nBlockAlign;
    WORD wBitsPerSample;
    WORD cbSize;
};
#pragma pack(pop)
static_assert(sizeof(WAVEFORMAT) == 14);
static_assert(sizeof(PCMWAVEFORMAT) == 16);
static_assert(sizeof(WAVEFORMATEX) == 18);
typedef WAVEFORMATEX* LPWAVEFORMATEX;
typedef const WAVEFORMATEX* LPCWAVEFORMATEX;

#define WAVE_FORMAT_PCM 1

// ---- Vectors of Direct3D.
typedef float D3DVALUE;
struct D3DVECTOR {
    float x;
    float y;
    float z;
};
typedef D3DVECTOR* LPD3DVECTOR;

// ---- Structures.
struct DSCAPS {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwMinSecondarySampleRate;
    DWORD dwMaxSecondarySampleRate;
    DWORD dwPrimaryBuffers;
    DWORD dwMaxHwMixingAllBuffers;
    DWORD dwMaxHwMixingStaticBuffers;
    DWORD dwMaxHwMixingStreamingBuffers;
    DWORD dwFreeHwMixingAllBuffers;
    DWORD dwFreeHwMixingStaticBuffers;
    DWORD dwFreeHwMixingStreamingBuffers;
    DWORD dwMaxHw3DAllBuffers;
    DWORD dwMaxHw3DStaticBuffers;
    DWORD dwMaxHw3DStreamingBuffers;
    DWORD dwFreeHw3DAllBuffers;
    DWORD dwFreeHw3DStaticBuffers;
    DWORD dwFreeHw3DStreamingBuffers;
    DWORD dwTotalHwMemBytes;
    DWORD dwFreeHwMemBytes;
    DWORD dwMaxContigFreeHwMemBytes;
    DWORD dwUnlockTransferRateHwBuffers;
    DWORD dwPlayCpuOverheadSwBuffers;
    DWORD dwReserved1;
    DWORD dwReserved2;
};
static_assert(sizeof(DSCAPS) == 96);
typedef DSCAPS* LPDSCAPS;

struct DSBCAPS {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwBufferBytes;
    DWORD dwUnlockTransferRate;
    DWORD dwPlayCpuOverhead;
};
static_assert(sizeof(DSBCAPS) == 20);
typedef DSBCAPS* LPDSBCAPS;

// The buffer description holds a pointer: 36 bytes on the 32-bit layout the simulator runs on,
// 40 bytes on a 64-bit one. Write dwSize as sizeof(DSBUFFERDESC), never as a literal.
struct DSBUFFERDESC {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwBufferBytes;
    DWORD dwReserved;
    LPWAVEFORMATEX lpwfxFormat;
    GUID guid3DAlgorithm;
};
static_assert(sizeof(void*) != 4 || sizeof(DSBUFFERDESC) == 36);
typedef const DSBUFFERDESC* LPCDSBUFFERDESC;

// The DirectX 6 description without the 3D algorithm, still accepted by CreateSoundBuffer.
struct DSBUFFERDESC1 {
    DWORD dwSize;
    DWORD dwFlags;
    DWORD dwBufferBytes;
    DWORD dwReserved;
    LPWAVEFORMATEX lpwfxFormat;
};

struct DS3DBUFFER {
    DWORD dwSize;
    D3DVECTOR vPosition;
    D3DVECTOR vVelocity;
    DWORD dwInsideConeAngle;
    DWORD dwOutsideConeAngle;
    D3DVECTOR vConeOrientation;
    LONG lConeOutsideVolume;
    D3DVALUE flMinDistance;
    D3DVALUE flMaxDistance;
    DWORD dwMode;
};
static_assert(sizeof(DS3DBUFFER) == 64);
typedef DS3DBUFFER* LPDS3DBUFFER;
typedef const DS3DBUFFER* LPCDS3DBUFFER;

struct DS3DLISTENER {
    DWORD dwSize;
    D3DVECTOR vPosition;
    D3DVECTOR vVelocity;
    D3DVECTOR vOrientFront;
    D3DVECTOR vOrientTop;
    D3DVALUE flDistanceFactor;
    D3DVALUE flRolloffFactor;
    D3DVALUE flDopplerFactor;
};
static_assert(sizeof(DS3DLISTENER) == 64);
typedef DS3DLISTENER* LPDS3DLISTENER;
typedef const DS3DLISTENER* LPCDS3DLISTENER;

// ---- Device capabilities (DSCAPS::dwFlags).
#define DSCAPS_PRIMARYMONO 0x00000001
#define DSCAPS_PRIMARYSTEREO 0x00000002
#define DSCAPS_PRIMARY8BIT 0x00000004
#define DSCAPS_PRIMARY16BIT 0x00000008
#define DSCAPS_CONTINUOUSRATE 0x00000010
#define DSCAPS_EMULDRIVER 0x00000020
#define DSCAPS_CERTIFIED 0x00000040
#define DSCAPS_SECONDARYMONO 0x00000100
#define DSCAPS_SECONDARYSTEREO 0x00000200
#define DSCAPS_SECONDARY8BIT 0x00000400
#define DSCAPS_SECONDARY16BIT 0x00000800

// ---- Cooperative levels.
#define DSSCL_NORMAL 0x00000001
#define DSSCL_PRIORITY 0x00000002
#define DSSCL_EXCLUSIVE 0x00000003
#define DSSCL_WRITEPRIMARY 0x00000004

// ---- Speaker configuration: the configuration in the low byte, the stereo geometry (degrees)
// in the third byte.
#define DSSPEAKER_DIRECTOUT 0x00000000
#define DSSPEAKER_HEADPHONE 0x00000001
#define DSSPEAKER_MONO 0x00000002
#define DSSPEAKER_QUAD 0x00000003
#define DSSPEAKER_STEREO 0x00000004
#define DSSPEAKER_SURROUND 0x00000005
#define DSSPEAKER_5POINT1 0x00000006
#define DSSPEAKER_7POINT1 0x00000007
#define DSSPEAKER_GEOMETRY_MIN 0x00000005
#define DSSPEAKER_GEOMETRY_NARROW 0x0000000A
#define DSSPEAKER_GEOMETRY_WIDE 0x00000014
#define DSSPEAKER_GEOMETRY_MAX 0x000000B4
#define DSSPEAKER_COMBINED(c, g) ((DWORD)(((BYTE)(c)) | ((DWORD)((BYTE)(g))) << 16))
#define DSSPEAKER_CONFIG(a) ((BYTE)(a))
#define DSSPEAKER_GEOMETRY(a) ((BYTE)(((DWORD)(a) >> 16) & 0x00FF))

// ---- Buffer capabilities (DSBUFFERDESC::dwFlags, DSBCAPS::dwFlags).
#define DSBCAPS_PRIMARYBUFFER 0x00000001
#define DSBCAPS_STATIC 0x00000002
#define DSBCAPS_LOCHARDWARE 0x00000004
#define DSBCAPS_LOCSOFTWARE 0x00000008
#define DSBCAPS_CTRL3D 0x00000010
#define DSBCAPS_CTRLFREQUENCY 0x00000020
#define DSBCAPS_CTRLPAN 0x00000040
#define DSBCAPS_CTRLVOLUME 0x00000080
#define DSBCAPS_CTRLPOSITIONNOTIFY 0x00000100
#define DSBCAPS_CTRLFX 0x00000200
#define DSBCAPS_STICKYFOCUS 0x00004000
#define DSBCAPS_GLOBALFOCUS 0x00008000
#define DSBCAPS_GETCURRENTPOSITION2 0x00010000
#define DSBCAPS_MUTE3DATMAXDISTANCE 0x00020000
#define DSBCAPS_LOCDEFER 0x00040000

// ---- Play, lock and status.
#define DSBPLAY_LOOPING 0x00000001
#define DSBPLAY_LOCHARDWARE 0x00000002
#define DSBPLAY_LOCSOFTWARE 0x00000004
#define DSBPLAY_TERMINATEBY_TIME 0x00000008
#define DSBPLAY_TERMINATEBY_DISTANCE 0x00000010
#define DSBPLAY_TERMINATEBY_PRIORITY 0x00000020

#define DSBSTATUS_PLAYING 0x00000001
#define DSBSTATUS_BUFFERLOST 0x00000002
#define DSBSTATUS_LOOPING 0x00000004
#define DSBSTATUS_LOCHARDWARE 0x00000008
#define DSBSTATUS_LOCSOFTWARE 0x00000010
#define DSBSTATUS_TERMINATED 0x00000020

#define DSBLOCK_FROMWRITECURSOR 0x00000001
#define DSBLOCK_ENTIREBUFFER 0x00000002

// ---- Ranges: volume and pan in hundredths of a decibel, frequency in samples per second.
#define DSBFREQUENCY_ORIGINAL 0
#define DSBFREQUENCY_MIN 100
#define DSBFREQUENCY_MAX 200000
#define DSBPAN_LEFT -10000
#define DSBPAN_CENTER 0
#define DSBPAN_RIGHT 10000
#define DSBVOLUME_MIN -10000
#define DSBVOLUME_MAX 0
#define DSBSIZE_MIN 4
#define DSBSIZE_MAX 0x0FFFFFFF

// ---- 3D modes, apply flags and defaults.
#define DS3DMODE_NORMAL 0x00000000
#define DS3DMODE_HEADRELATIVE 0x00000001
#define DS3DMODE_DISABLE 0x00000002

#define DS3D_IMMEDIATE 0x00000000
#define DS3D_DEFERRED 0x00000001

#define DS3D_MINDISTANCEFACTOR FLT_MIN
#define DS3D_MAXDISTANCEFACTOR FLT_MAX
#define DS3D_DEFAULTDISTANCEFACTOR 1.0f
#define DS3D_MINROLLOFFFACTOR 0.0f
#define DS3D_MAXROLLOFFFACTOR 10.0f
#define DS3D_DEFAULTROLLOFFFACTOR 1.0f
#define DS3D_MINDOPPLERFACTOR 0.0f
#define DS3D_MAXDOPPLERFACTOR 10.0f
#define DS3D_DEFAULTDOPPLERFACTOR 1.0f
#define DS3D_DEFAULTMINDISTANCE 1.0f
#define DS3D_DEFAULTMAXDISTANCE 1000000000.0f
#define DS3D_MINCONEANGLE 0
#define DS3D_MAXCONEANGLE 360
#define DS3D_DEFAULTCONEANGLE 360
#define DS3D_DEFAULTCONEOUTSIDEVOLUME DSBVOLUME_MAX

#define DS3DALG_DEFAULT GUID_NULL

// ---- Interface identifiers.
inline constexpr IID IID_IDirectSound = {
    0x279AFA83, 0x4981, 0x11CE, {0xA5, 0x21, 0x00, 0x20, 0xAF, 0x0B, 0xE5, 0x60}};
inline constexpr IID IID_IDirectSound8 = {
    0xC50A7E93, 0xF395, 0x4834, {0x9E, 0xF6, 0x7F, 0xA9, 0x9D, 0xE5, 0x09, 0x66}};
inline constexpr IID IID_IDirectSoundBuffer = {
    0x279AFA85, 0x4981, 0x11CE, {0xA5, 0x21, 0x00, 0x20, 0xAF, 0x0B, 0xE5, 0x60}};
inline constexpr IID IID_IDirectSoundBuffer8 = {
    0x6825A449, 0x7524, 0x4D82, {0x92, 0x0F, 0x50, 0xE3, 0x6A, 0xB3, 0xAB, 0x1E}};
inline constexpr IID IID_IDirectSound3DListener = {
    0x279AFA84, 0x4981, 0x11CE, {0xA5, 0x21, 0x00, 0x20, 0xAF, 0x0B, 0xE5, 0x60}};
inline constexpr IID IID_IDirectSound3DBuffer = {
    0x279AFA86, 0x4981, 0x11CE, {0xA5, 0x21, 0x00, 0x20, 0xAF, 0x0B, 0xE5, 0x60}};
// DirectSound 8 gives the 3D interfaces no new identifiers.
#define IID_IDirectSound3DListener8 IID_IDirectSound3DListener
#define IID_IDirectSound3DBuffer8 IID_IDirectSound3DBuffer

// ---- Interfaces.
struct IDirectSoundBuffer : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetCaps(LPDSBCAPS pDSBufferCaps) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCurrentPosition(LPDWORD pdwCurrentPlayCursor,
                                                         LPDWORD pdwCurrentWriteCursor) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetFormat(LPWAVEFORMATEX pwfxFormat, DWORD dwSizeAllocated,
                                                LPDWORD pdwSizeWritten) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetVolume(LPLONG plVolume) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetFrequency(LPDWORD pdwFrequency) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetStatus(LPDWORD pdwStatus) = 0;
    virtual HRESULT STDMETHODCALLTYPE Lock(DWORD dwOffset, DWORD dwBytes, LPVOID* ppvAudioPtr1,
                                           LPDWORD pdwAudioBytes1, LPVOID* ppvAudioPtr2,
                                           LPDWORD pdwAudioBytes2, DWORD dwFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE Play(DWORD dwReserved1, DWORD dwPriority, DWORD dwFlags) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetCurrentPosition(DWORD dwNewPosition) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetFormat(LPCWAVEFORMATEX pcfxFormat) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetVolume(LONG lVolume) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetPan(LONG lPan) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetFrequency(DWORD dwFrequency) = 0;
    virtual HRESULT STDMETHODCALLTYPE Stop() = 0;
    virtual HRESULT STDMETHODCALLTYPE Unlock(LPVOID pvAudioPtr1, DWORD dwAudioBytes1,
                                             LPVOID pvAudioPtr2, DWORD dwAudioBytes2) = 0;
    virtual HRESULT STDMETHODCALLTYPE Restore() = 0;

protected:
    ~IDirectSoundBuffer() = default;
};
typedef IDirectSoundBuffer* LPDIRECTSOUNDBUFFER;

struct IDirectSoundBuffer8 : IDirectSoundBuffer {
protected:
    ~IDirectSoundBuffer8() = default;
};
typedef IDirectSoundBuffer8* LPDIRECTSOUNDBUFFER8;

struct IDirectSound3DBuffer : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetAllParameters(LPDS3DBUFFER pDs3dBuffer) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetAllParameters(LPCDS3DBUFFER pcDs3dBuffer,
                                                       DWORD dwApply) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetConeAngles(DWORD dwInsideConeAngle,
                                                    DWORD dwOutsideConeAngle, DWORD dwApply) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetConeOrientation(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                                         DWORD dwApply) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetConeOutsideVolume(LONG lConeOutsideVolume,
                                                           DWORD dwApply) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetMaxDistance(D3DVALUE flMaxDistance, DWORD dwApply) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetMinDistance(D3DVALUE flMinDistance, DWORD dwApply) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetMode(DWORD dwMode, DWORD dwApply) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetPosition(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                                  DWORD dwApply) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetVelocity(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                                  DWORD dwApply) = 0;

protected:
    ~IDirectSound3DBuffer() = default;
};
typedef IDirectSound3DBuffer* LPDIRECTSOUND3DBUFFER;
typedef IDirectSound3DBuffer IDirectSound3DBuffer8;
typedef IDirectSound3DBuffer* LPDIRECTSOUND3DBUFFER8;

struct IDirectSound3DListener : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE GetAllParameters(LPDS3DLISTENER pListener) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetAllParameters(LPCDS3DLISTENER pcListener,
                                                       DWORD dwApply) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetDistanceFactor(D3DVALUE flDistanceFactor,
                                                        DWORD dwApply) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetDopplerFactor(D3DVALUE flDopplerFactor, DWORD dwApply) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetOrientation(D3DVALUE xFront, D3DVALUE yFront,
                                                     D3DVALUE zFront, D3DVALUE xTop, D3DVALUE yTop,
                                                     D3DVALUE zTop, DWORD dwApply) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetPosition(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                                  DWORD dwApply) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetRolloffFactor(D3DVALUE flRolloffFactor, DWORD dwApply) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetVelocity(D3DVALUE x, D3DVALUE y, D3DVALUE z,
                                                  DWORD dwApply) = 0;
    virtual HRESULT STDMETHODCALLTYPE CommitDeferredSettings() = 0;

protected:
    ~IDirectSound3DListener() = default;
};
typedef IDirectSound3DListener* LPDIRECTSOUND3DLISTENER;
typedef IDirectSound3DListener IDirectSound3DListener8;
typedef IDirectSound3DListener* LPDIRECTSOUND3DLISTENER8;

struct IDirectSound8 : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE CreateSoundBuffer(LPCDSBUFFERDESC pcDSBufferDesc,
                                                        LPDIRECTSOUNDBUFFER* ppDSBuffer,
                                                        LPUNKNOWN pUnkOuter) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetCaps(LPDSCAPS pDSCaps) = 0;
    virtual HRESULT STDMETHODCALLTYPE SetCooperativeLevel(HWND hwnd, DWORD dwLevel) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetSpeakerConfig(LPDWORD pdwSpeakerConfig) = 0;

protected:
    ~IDirectSound8() = default;
};
typedef IDirectSound8* LPDIRECTSOUND8;

// Creates the DirectSound object on a device (null: the default one). Fails with DSERR_NODRIVER
// when no output can be opened, and with DSERR_NOAGGREGATION for an outer unknown.
extern "C" HRESULT DirectSoundCreate8(LPCGUID pcGuidDevice, LPDIRECTSOUND8* ppDS8,
                                      LPUNKNOWN pUnkOuter);
#endif
