// What the add-on functions check before they touch the vessel table: every id, wave number and
// file name comes from another program and is refused, never trusted, when out of range.
#pragma once

#include "plugin/addon/vessel_table.h"

namespace zephyrin {

// Ids 0..59 of connected vessels and LEGACY_SOUND_ID.
bool isSoundId(int id);
// Vessel waves 1..60.
bool isWaveNumber(int wave);
// A file name that fits a record entry whole; logs the refusal with the caller's name.
bool acceptFileName(const char* file, const char* caller);
// The record of `id` belongs to the vessel in focus.
bool isFocusRecord(int id);
// The id is the focus vessel's and its wave slot holds a sound.
bool focusWaveLoaded(int id, int wave);

} // namespace zephyrin
