// Where the focus vessel's stock sounds sit, in the vessel's own frame (metres): computed from
// its thruster groups, its size and its cockpit, unless its class file or its add-on says where.
#pragma once

#include "plugin/classconfig/stock_position.h"
#include "sdk/VoranthAPI.h"

namespace zephyrin {

// Vessels smaller than this are placed as if they had this size (metres).
constexpr double smallestPlacementSizeM = 5.0;

double placementSize(const VESSEL& vessel);

// Position of a thruster group: mono into `first`, or a stereo pair into `first` and `second`.
// Returns 1 when computed from the group's thrusters, 0 when the defaults of the group's type
// were left (no thrusters, or a thruster without handle).
int thrusterGroupPosition(const VESSEL& vessel, int groupType, VECTOR3& first, VECTOR3* second);

// Seeds the shared random generator from the class name, so that every vessel of a class draws
// the same cockpit offsets.
void seedFromClass(const VESSEL* vessel, int base);
constexpr int radioSeedBase = 29;
constexpr int ambienceSeedBase = 14;
constexpr int gpwsSeedBase = 188;

// A spot around the cockpit for radio voices, and one for a cabin ambience; each takes its draws
// from the shared generator. The origin without a vessel.
VECTOR3 radioPosition(const VESSEL* vessel);
VECTOR3 ambiencePosition(const VESSEL* vessel);

// Replaces the computed position by the class file's, else by the add-on's, and writes the
// position dump line while the class asks for the debug display.
void resolveSoundPosition(const char* label, const StockPosition& entry, VECTOR3& first,
                          VECTOR3* second);

} // namespace zephyrin
