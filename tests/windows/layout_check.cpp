// The records that cross a boundary (the simulator's SDK, DirectSound, the main configuration
// file, the add-on interface), compiled against the Windows headers: each must keep the size
// that the 32-bit simulator and the files written by it have.
#include "platform/audio/dsound.h"
#include "plugin/addon/vessel_table.h"
#include "sdk/VoranthAPI.h"
#include "sdk/ZephyrinAddon.h"
#include "shared/option_record.h"

constexpr bool simulatorArchitecture = sizeof(void*) == 4;

static_assert(sizeof(OptionRecord) == 248);
static_assert(sizeof(ConeParameters) == 40);
static_assert(offsetof(ConeParameters, outsideVolume) == 32);
static_assert(sizeof(WAVEFORMATEX) == 18);
static_assert(sizeof(DSCAPS) == 96);
static_assert(sizeof(DSBCAPS) == 20);
static_assert(sizeof(DS3DBUFFER) == 64);
static_assert(sizeof(DS3DLISTENER) == 64);
static_assert(!simulatorArchitecture || sizeof(DSBUFFERDESC) == 36);
static_assert(!simulatorArchitecture || sizeof(MFDBUTTONMENU) == 9);
static_assert(offsetof(MFDBUTTONMENU, selchar) == 2 * sizeof(const char*));
