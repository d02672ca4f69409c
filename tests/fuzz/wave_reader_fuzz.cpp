// Any bytes as a wave file: through the reader alone, in both read modes, and through the load
// of a sound object in 2D, mono 3D and as a stereo pair on the fake device.
#include "fuzz_support.h"
#include "platform/audio/dsound_fake.h"
#include "plugin/audio/sound.h"
#include "plugin/audio/sound_device.h"
#include "plugin/audio/sound_device_lifecycle.h"
#include "plugin/audio/wave_reader.h"

namespace {

using namespace zephyrin;

constexpr const char* waveName = "fuzz.wav";
constexpr DWORD flags2D = DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY;
constexpr DWORD flags3D = flags2D | DSBCAPS_CTRL3D;
constexpr int noRightVolume = -999;

SoundDevice* device() {
    static SoundDevice* created = [] {
        SoundDevice* made = nullptr;
        createSoundDevice(reinterpret_cast<HWND>(1), DSSCL_PRIORITY, 2, 22050, 16, true, made);
        return made;
    }();
    return created;
}

void readWhole(WaveReader& reader) {
    BYTE samples[4096];
    DWORD read = 0;
    while (SUCCEEDED(reader.read(samples, sizeof samples, &read)) && read > 0) {
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzsupport::enterScratchSimulatorFolder();
    fuzzsupport::writeScratchFile(waveName, data, size);

    WaveReader reader;
    if (SUCCEEDED(reader.open(waveName))) {
        readWhole(reader);
        reader.monoMode = 1;
        if (SUCCEEDED(reader.rewind())) {
            readWhole(reader);
        }
    }
    for (DWORD flags : {flags2D, flags3D, flags3D | soundSplitStereo}) {
        CSound* sound = nullptr;
        if (SUCCEEDED(createSound(device(), &sound, waveName, flags, DS3DALG_DEFAULT, 1))) {
            sound->play(0, false, 255, 0, noRightVolume);
            sound->stop();
            delete sound;
        }
    }
    // The fake's record of calls and buffers would grow with every input.
    platform::audio::fake::reset();
    return 0;
}
