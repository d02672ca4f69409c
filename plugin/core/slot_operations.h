// What the behaviours may do with a sound slot: load, play, set the volume, stop, place. Every
// operation does nothing (and returns 0 where it returns) while the slot holds no sound or the
// plug-in has no sound device.
#pragma once

#include "plugin/core/stock_sound_slot.h"

#include <cstdint>

namespace zephyrin {

// Frequencies of the behaviour rules are given against one of these rates, so that a file
// recorded at another rate is played at the same pitch.
constexpr int referenceFrequency22050Hz = 22050;
constexpr int referenceFrequency11025Hz = 11025;

constexpr int slotVolumeMax = 255;

// 2D load; `staticRequest` 1 asks for a hardware buffer when the device has one free. Loading
// the file a slot already holds only rewinds it.
void LoadWave(StockSoundSlot& slot, const char* file, int staticRequest);
// Mono 3D load at `position` (null: the origin); a 2D load when the device has no 3D.
void LoadWave3D(StockSoundSlot& slot, const char* file, int staticRequest, const VECTOR3* position,
                double minDistance, double maxDistance);
// 3D load of a stereo file as a pair of channels placed apart; a mono file goes to the midpoint.
void LoadWave3DStereo(StockSoundSlot& slot, const char* file, int staticRequest,
                      const VECTOR3* leftPosition, const VECTOR3* rightPosition, double minDistance,
                      double maxDistance);

// Plays with volume 0..255 and `frequency` Hz against `referenceFrequency` (0: the file's own
// rate). A looping request that changed too little from the last one is not re-issued, so the
// behaviours may repeat it every tick.
void PlayWave(StockSoundSlot& slot, int looping, int volume, int frequency, int referenceFrequency,
              int rightVolume);
void playWaveSimple(StockSoundSlot& slot, int looping, int volume);

// Returns 1 when the slot holds a sound.
int SetWaveVolume(StockSoundSlot& slot, int volume);
// Silences the slot while keeping its last volume for restoreSlotVolume.
void muteSlot(StockSoundSlot& slot);
void restoreSlotVolume(StockSoundSlot& slot);
// Stops and rewinds; the sound stays loaded.
void stopSlot(StockSoundSlot& slot);
// Destroys the sound and forgets the file, placement and play values.
void resetSlot(StockSoundSlot& slot);
int isSlotPlaying(const StockSoundSlot& slot);

// 3D placement: only for a slot loaded as 3D on a device with 3D.
void setSlotPosition(StockSoundSlot& slot, const VECTOR3& left, const VECTOR3& right);
void setSlotCone(StockSoundSlot& slot, double insideAngle, double outsideAngle,
                 const VECTOR3& orientation, double outsideVolume);
void setSlotMode(StockSoundSlot& slot, uint32_t mode);
void setSlotDistances(StockSoundSlot& slot, double minDistance, double maxDistance);

// Whether 3D calls reach the slot's sound.
bool slotTakes3D(const StockSoundSlot& slot);

} // namespace zephyrin
