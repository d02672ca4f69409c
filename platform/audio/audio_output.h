// The host's control of the sound output of vrdsound: where the DirectSound objects play, the
// offline rendering of a flight, and the trace of what is heard. A host (vrhost, Tunedesk) calls
// these before the plug-in creates its DirectSound object; the plug-in itself never does. All
// calls, like DirectSound's own, come from one thread.
//
// Recording a flight to a WAV file (wav_writer.h), in step with simulated time:
//
//     platform::audio::selectOutput(platform::audio::Output::Offline);
//     platform::audio::startTrace("flight.tsv", [&] { return simulatedSeconds; }); // optional
//     platform::audio::WavWriter wav;
//     ... after each simulated step of `stepSeconds`:
//     const auto audio = platform::audio::renderOffline(stepSeconds);
//     if (!wav.isOpen())
//         wav.open("flight.wav", audio.format);
//     wav.write(audio.samples);
//     ... at the end: wav.close(); platform::audio::stopTrace();
#pragma once

#include "platform/audio/dsound.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace platform::audio {

enum class Output {
    // The default sound card (OpenAL's default device); without one DirectSoundCreate8 fails
    // with DSERR_NODRIVER and the caller runs silently. The card mixes at its own rate: the
    // primary buffer's format is kept for GetFormat only, as on Windows since Vista.
    SoundCard,
    // Nothing is played: the host pulls the mix with renderOffline, in step with simulated time,
    // as fast as it can compute it. The same calls render the same bytes on every run with the
    // same OpenAL Soft (fixed resampler, no HRTF, no limiter, float mix rounded without dither).
    Offline,
};

// Chooses the output of the DirectSound objects created from now on (default: SoundCard). The
// system's DirectSound on Windows has the sound card only: there selectedOutput stays SoundCard.
void selectOutput(Output output);
Output selectedOutput();

// The format of the offline mix before any primary buffer has set one: 22050 Hz, 16 bits, 2
// channels.
WAVEFORMATEX defaultOfflineFormat();

// Headphones: the devices created from now on, on the sound card or offline, render binaural
// sound with OpenAL Soft's HRTF, and their speaker configuration reads DSSPEAKER_HEADPHONE. As the
// system mixer does with headphones, the offline mix then keeps the HRTF data's own format
// (binauralFormat) whatever the primary buffer asks for. Where no HRTF data is found the devices
// mix for speakers and say so. False on Windows, where headphones are the system's speaker
// setting and no program's.
bool selectHeadphones(bool headphones);
bool headphonesSelected();
// 44100 Hz, 16 bits, 2 channels.
WAVEFORMATEX binauralFormat();

// The messages of the sound library itself (on Linux ALSA's, such as "cannot find card '0'" on a
// machine without a sound card) go to `log` instead of the standard error, one call a message,
// with the failure to open the sound card last: "the default sound device cannot be opened".
// A null hook gives them back to the library. Windows' DirectSound prints nothing: there the hook
// is never called.
using SoundLibraryLog = std::function<void(const std::string& message)>;
void setSoundLibraryLog(SoundLibraryLog log);

struct RenderedAudio {
    WAVEFORMATEX format;              // the primary buffer's format as last set, else the default
    std::span<const uint8_t> samples; // PCM frames; valid until the next call
};

// Renders the next `seconds` of the offline mix of the DirectSound object created last on the
// offline output, at its primary buffer's format, for as long as that object or any of its
// buffers lives; silence before it and after it, at the last format. Fractions of a frame carry
// over to the next call, so the total length follows the sum of the durations exactly. The format
// changes only when a primary buffer sets another one: a host writing one WAV file per format
// opens a new file then.
RenderedAudio renderOffline(double seconds);

// The trace: one tab-separated line per call that changes what is heard (creation and release
// of the device and buffers, play, stop, volume, pan, frequency, play position, new samples,
// primary format and volume, every 3D buffer and listener setting, commits), with columns
//   1 simulated time in seconds, three decimals, from `simulatedSeconds`
//   2 object: "DirectSound", "buffer<N>" (N counts buffers from 1 in creation order in the
//     process, primary buffers included) or "listener"
//   3 the DirectSound method ("CreateSoundBuffer", "SetVolume", "SetPosition", ...)
//   4 its arguments as the call gave them, separated by ", " (a description as "flags=0x... "
//     "bytes=N format=1ch/22050Hz/16bit", dwApply as IMMEDIATE or DEFERRED)
//   5 the buffer's name (nameNextSoundBuffer), empty for other objects and unnamed buffers
// Returns false when the file cannot be created. A new trace replaces the running one.
bool startTrace(const std::string& path, std::function<double()> simulatedSeconds);
void stopTrace();

} // namespace platform::audio
