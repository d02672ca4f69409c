// The calling thread's COM apartment, which the media graph of the music player needs.
#include "com.h"

#include <objbase.h>

namespace platform {

HRESULT comInitialize() {
    return ::CoInitialize(nullptr);
}

void comUninitialize() {
    ::CoUninitialize();
}

} // namespace platform
