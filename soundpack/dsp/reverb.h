// A small room/hall reverberator (Schroeder-Moorer: damped combs into all-passes), for the music,
// the greetings and the cabin. Left and right use different delay sets, which also widens.
#pragma once

#include "soundpack/dsp/signal.h"

namespace soundpack {

struct RoomShape {
    double size;    // 0..1, longer decay
    double damping; // 0..1, darker tail
    double wet;     // level of the reverberated part
};

// Adds the room to every channel; the signal grows by the tail length.
void addRoom(Signal& signal, const RoomShape& room, double tailSeconds);

} // namespace soundpack
