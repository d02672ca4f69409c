// The COM shapes that DirectSound's interfaces are built on: GUID, IUnknown and the calling
// convention. On Windows they come from the system headers; here they are laid out the same way,
// so that code written against the real headers compiles unchanged.
#pragma once

#include "platform/win_types.h"

#ifdef _WIN32
#include <objbase.h>
#else
#include <cstring>

typedef uint32_t ULONG;
typedef DWORD* LPDWORD;
typedef LONG* LPLONG;
typedef const void* LPCVOID;

struct GUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
static_assert(sizeof(GUID) == 16);

typedef GUID IID;
typedef const GUID* LPCGUID;
typedef const IID& REFIID;
typedef const GUID& REFGUID;

inline bool operator==(const GUID& left, const GUID& right) {
    return std::memcmp(&left, &right, sizeof(GUID)) == 0;
}
inline bool IsEqualGUID(REFGUID left, REFGUID right) {
    return left == right;
}

inline constexpr GUID GUID_NULL = {0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
inline constexpr IID IID_IUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// Windows calls COM methods with __stdcall; x86-64 and this platform have one convention.
#define STDMETHODCALLTYPE

struct IUnknown {
    virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) = 0;
    virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
    virtual ULONG STDMETHODCALLTYPE Release() = 0;

protected:
    ~IUnknown() = default;
};
typedef IUnknown* LPUNKNOWN;
#endif
