// COM initialisation of the calling thread (CoInitialize / CoUninitialize).
#pragma once

#include "win_types.h"

namespace platform {

HRESULT comInitialize();
void comUninitialize();

} // namespace platform
