// What happens to a voice between the speaker and the pilot's ear.
#pragma once

#include "soundpack/dsp/random_source.h"
#include "soundpack/dsp/signal.h"

namespace soundpack {

// A VHF voice channel: band-limited to 300..3000 Hz, driven into the transmitter's clipper, with
// carrier hiss under the speech, a key-up click before it and the squelch tail after it.
Samples overRadio(const Samples& speech, int sampleRateHz, RandomSource& random);

// The cockpit's own loudspeaker: clean but small (200..5000 Hz, a presence lift), for the
// synthetic GPWS voice.
Samples overCockpitSpeaker(const Samples& speech, int sampleRateHz);

// The burst of noise a receiver lets through when a transmission ends.
Samples squelchTail(int sampleRateHz, RandomSource& random);

} // namespace soundpack
