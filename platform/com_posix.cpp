// No COM here: the media services this platform offers need no apartment.
#include "com.h"

#include "result_codes.h"

namespace platform {

HRESULT comInitialize() {
    return S_OK;
}

void comUninitialize() {}

} // namespace platform
