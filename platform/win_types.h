// The handful of Windows base types the SDK and the plug-in are written against.
// On Windows they come from <windows.h>; here they are defined with the same widths.
#pragma once

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX // std::min and std::max, not the macros
#endif
#include <windows.h>
// Left over from 16-bit Windows as empty words; the system's code uses them as names.
#undef near
#undef far
#else
#include <cstdint>

typedef int32_t HRESULT;
typedef int32_t BOOL;
typedef int32_t LONG;
typedef uint32_t DWORD;
typedef uint32_t UINT;
typedef uint16_t WORD;
typedef uint8_t BYTE;
typedef void* LPVOID;
typedef void* HANDLE;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef uint32_t COLORREF;

struct HWND__;
typedef HWND__* HWND;
struct HINSTANCE__;
typedef HINSTANCE__* HINSTANCE;
struct HDC__;
typedef HDC__* HDC;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define SUCCEEDED(hr) (((HRESULT)(hr)) >= 0)
#define FAILED(hr) (((HRESULT)(hr)) < 0)
#endif
