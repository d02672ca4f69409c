// The pack the build wrote into the simulator tree: every file the system names is there, in
// the form its playback rule expects, at a sane level, and the loops loop.
#include "platform/file_system.h"
#include "soundpack/dsp/levels.h"
#include "soundpack/io/wav_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace soundpack {
namespace {

std::string treePath(const std::string& systemPath) {
    const std::string full = std::string(SOUNDPACK_TREE) + "\\" + systemPath;
    return platform::resolvePath(full.c_str());
}

std::string fileBytes(const std::string& systemPath) {
    std::ifstream file(treePath(systemPath), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

enum class Kind { loop, oneShot, speech };

struct ExpectedSound {
    const char* systemPath;
    int channels;
    int rateHz;
    Kind kind;
};

// Names, folders and case as the system asks for them; rates from the playback rules.
const ExpectedSound expectedSounds[] = {
    {"sound\\vessel\\mainext.wav", 2, 22050, Kind::loop},
    {"sound\\vessel\\mainextloud.wav", 2, 22050, Kind::loop},
    {"sound\\vessel\\hover_int.wav", 2, 11025, Kind::loop},
    {"sound\\vessel\\retro.wav", 2, 11025, Kind::loop},
    {"sound\\vessel\\AuxThr.wav", 2, 11025, Kind::loop},
    {"sound\\vessel\\attfire40stereo.wav", 2, 11025, Kind::oneShot},
    {"sound\\vessel\\attfire.wav", 1, 11025, Kind::oneShot},
    {"sound\\vessel\\attsustain40stereo1.wav", 2, 11025, Kind::loop},
    {"sound\\vessel\\attsustain40stereo2.wav", 2, 11025, Kind::loop},
    {"sound\\vessel\\attsustain.wav", 1, 11025, Kind::loop},
    {"sound\\vessel\\RcsattmodeOff.wav", 1, 22050, Kind::oneShot},
    {"sound\\vessel\\RcsattmodeRot.wav", 1, 22050, Kind::oneShot},
    {"sound\\vessel\\RcsattmodeTrans.wav", 1, 22050, Kind::oneShot},
    {"sound\\vessel\\countdown.wav", 1, 22050, Kind::speech},
    {"sound\\vessel\\countdown1.wav", 1, 22050, Kind::speech},
    {"sound\\vessel\\aircond.wav", 2, 22050, Kind::loop},
    {"sound\\vessel\\radar_bip.wav", 1, 11025, Kind::loop},
    {"sound\\vessel\\radar_close.wav", 1, 11025, Kind::oneShot},
    {"Sound\\vessel\\radiotune.wav", 1, 22050, Kind::oneShot},
    {"sound\\vessel\\airspeed.wav", 2, 22050, Kind::loop},
    {"sound\\vessel\\docking.wav", 2, 22050, Kind::oneShot},
    {"sound\\vessel\\Undocking.wav", 2, 22050, Kind::oneShot},
    {"sound\\vessel\\docking_radio.wav", 1, 22050, Kind::speech},
    {"sound\\vessel\\undocking_radio.wav", 1, 22050, Kind::speech},
    {"sound\\vessel\\crash.wav", 2, 22050, Kind::oneShot},
    {"sound\\vessel\\landClr.wav", 1, 22050, Kind::speech},
    {"sound\\vessel\\roll.wav", 2, 22050, Kind::loop},
    {"sound\\vessel\\noise.wav", 1, 22050, Kind::oneShot},
    {"sound\\vessel\\land.wav", 1, 22050, Kind::oneShot},
    {"sound\\vessel\\brake.wav", 2, 22050, Kind::loop},
    {"sound\\vessel\\Sonicbang.wav", 2, 22050, Kind::oneShot},
    {"sound\\vessel\\Sonicbangfar.wav", 2, 22050, Kind::oneShot},
    {"sound\\vessel\\Sonicbangfar1.wav", 2, 22050, Kind::oneShot},
    {"sound\\vessel\\reentryfar.wav", 1, 22050, Kind::loop},
    {"sound\\vessel\\ambient0.wav", 1, 22050, Kind::oneShot},
    {"sound\\vessel\\ambient1.wav", 1, 22050, Kind::oneShot},
    {"sound\\vessel\\ambient2.wav", 1, 22050, Kind::oneShot},
    {"sound\\vessel\\ambient3.wav", 1, 22050, Kind::oneShot},
    {"sound\\vessel\\ambient4.wav", 1, 22050, Kind::oneShot},
    {"sound\\vessel\\ambient5.wav", 1, 22050, Kind::oneShot},
    {"sound\\vessel\\ambient6.wav", 1, 22050, Kind::oneShot},
    {"sound\\vessel\\ambient7.wav", 1, 22050, Kind::oneShot},
    {"sound\\vessel\\ambient8.wav", 1, 22050, Kind::oneShot},
    {"Sound\\Vessel\\-10.wav", 1, 22050, Kind::speech},
    {"Sound\\Vessel\\-20.wav", 1, 22050, Kind::speech},
    {"Sound\\Vessel\\-30.wav", 1, 22050, Kind::speech},
    {"Sound\\Vessel\\-40.wav", 1, 22050, Kind::speech},
    {"Sound\\Vessel\\-50.wav", 1, 22050, Kind::speech},
    {"Sound\\Vessel\\-100.wav", 1, 22050, Kind::speech},
    {"Sound\\Vessel\\-200.wav", 1, 22050, Kind::speech},
    {"Sound\\Vessel\\-300.wav", 1, 22050, Kind::speech},
    {"Sound\\Vessel\\-400.wav", 1, 22050, Kind::speech},
    {"Sound\\Vessel\\-500.wav", 1, 22050, Kind::speech},
    {"Sound\\Vessel\\-1000.wav", 1, 22050, Kind::speech},
    {"Sound\\Vessel\\-2500.wav", 1, 22050, Kind::speech},
    {"Sound\\cfg\\wlcm.wav", 1, 22050, Kind::speech},
    {"Sound\\cfg\\jbls.tpc", 1, 22050, Kind::speech},
    {"Sound\\cfg\\ny.tpc", 1, 22050, Kind::speech},
    {"Sound\\cfg\\ny1.tpc", 1, 22050, Kind::speech},
    {"sound\\cfg\\Zp.tpc", 1, 22050, Kind::speech},
    {"sound\\_CustomWindSounds\\Earth_default2.wav", 2, 22050, Kind::loop},
    {"sound\\_CustomBaseSounds\\Earth_Cape Canaveral_12000_255_40.wav", 2, 22050, Kind::loop},
};

std::vector<ExpectedSound> soundsOfKind(Kind kind) {
    std::vector<ExpectedSound> sounds;
    std::copy_if(std::begin(expectedSounds), std::end(expectedSounds), std::back_inserter(sounds),
                 [kind](const ExpectedSound& sound) { return sound.kind == kind; });
    return sounds;
}

std::string testNameOf(const testing::TestParamInfo<ExpectedSound>& test) {
    std::string name;
    for (const char* c = test.param.systemPath; *c != '\0'; ++c) {
        name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : '_';
    }
    return name;
}

class StockSoundFile : public testing::TestWithParam<ExpectedSound> {
protected:
    Signal read() const { return readWav(treePath(GetParam().systemPath)); }
};
class LoopFile : public StockSoundFile {};
class SpeechFile : public StockSoundFile {};

TEST_P(StockSoundFile, IsARiffWaveOfTheRateAndChannelsItsRuleExpects) {
    const std::string bytes = fileBytes(GetParam().systemPath);
    ASSERT_GE(bytes.size(), 44u) << GetParam().systemPath << " is missing";
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(bytes.substr(8, 4), "WAVE");
    const Signal signal = read();
    EXPECT_EQ(static_cast<int>(signal.channels.size()), GetParam().channels);
    EXPECT_EQ(signal.sampleRateHz, GetParam().rateHz);
    EXPECT_GT(signal.seconds(), 0.05);
}

TEST_P(StockSoundFile, PeaksJustUnderFullScale) {
    const double peakDb = 20.0 * std::log10(peakOf(read()));
    EXPECT_LE(peakDb, packCeilingDb + 0.1);
    EXPECT_GE(peakDb, -10.0);
}

TEST_P(LoopFile, HasNoStepAtTheSeam) {
    for (const Samples& channel : read().channels) {
        // The jump from the last sample to the first must be an ordinary step of the sound.
        std::vector<float> steps;
        for (size_t i = 1; i < channel.size(); ++i) {
            steps.push_back(std::fabs(channel[i] - channel[i - 1]));
        }
        std::sort(steps.begin(), steps.end());
        const float ordinaryStep = steps[steps.size() * 999 / 1000];
        EXPECT_LE(std::fabs(channel.front() - channel.back()), ordinaryStep);
    }
}

TEST_P(SpeechFile, IsClearlyAudible) {
    const Signal signal = read();
    EXPECT_GT(momentaryLoudnessDb(signal), -20.0);
    EXPECT_GT(signal.seconds(), 0.3);
}

INSTANTIATE_TEST_SUITE_P(Pack, StockSoundFile, testing::ValuesIn(expectedSounds), testNameOf);
INSTANTIATE_TEST_SUITE_P(Pack, LoopFile, testing::ValuesIn(soundsOfKind(Kind::loop)), testNameOf);
INSTANTIATE_TEST_SUITE_P(Pack, SpeechFile, testing::ValuesIn(soundsOfKind(Kind::speech)),
                         testNameOf);

double correlation(const Samples& a, const Samples& b) {
    double ab = 0, aa = 0, bb = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        ab += static_cast<double>(a[i]) * b[i];
        aa += static_cast<double>(a[i]) * a[i];
        bb += static_cast<double>(b[i]) * b[i];
    }
    return ab / std::sqrt(aa * bb);
}

TEST(Pack, EngineAndJetPairsHaveDecorrelatedChannels) {
    for (const char* pair :
         {"sound\\vessel\\mainext.wav", "sound\\vessel\\mainextloud.wav",
          "sound\\vessel\\hover_int.wav", "sound\\vessel\\retro.wav", "sound\\vessel\\AuxThr.wav",
          "sound\\vessel\\attsustain40stereo1.wav", "sound\\vessel\\attsustain40stereo2.wav"}) {
        const Signal signal = readWav(treePath(pair));
        ASSERT_EQ(signal.channels.size(), 2u) << pair;
        EXPECT_LT(correlation(signal.channels[0], signal.channels[1]), 0.8) << pair;
    }
}

TEST(Pack, ConfigurationFilesShareTheOneCfgFolder) {
    int cfgFolders = 0;
    for (const platform::FolderEntry& entry :
         platform::findFiles((std::string(SOUNDPACK_TREE) + "\\Sound\\*.*").c_str())) {
        cfgFolders += entry.isFolder && (entry.name == "Cfg" || entry.name == "cfg");
    }
    EXPECT_EQ(cfgFolders, 1);
}

std::vector<std::string> filesMatching(const std::string& systemPattern) {
    std::vector<std::string> names;
    for (const platform::FolderEntry& entry :
         platform::findFiles((std::string(SOUNDPACK_TREE) + "\\" + systemPattern).c_str())) {
        if (!entry.isFolder) {
            names.push_back(entry.name);
        }
    }
    return names;
}

TEST(Pack, PlanetWindsCoverEarthMarsAndTheGenericFallBacks) {
    const std::vector<std::string> winds = filesMatching("sound\\_CustomWindSounds\\*.wav");
    for (const char* planet : {"Earth_", "Mars_", "GenericBig_", "GenericNormal_"}) {
        EXPECT_TRUE(
            std::any_of(winds.begin(), winds.end(),
                        [planet](const std::string& name) { return name.rfind(planet, 0) == 0; }))
            << "no wind for " << planet;
    }
}

TEST(Pack, BaseSoundNamesFollowTheFiveFieldGrammar) {
    const std::vector<std::string> bases = filesMatching("sound\\_CustomBaseSounds\\*.wav");
    EXPECT_GE(bases.size(), 2u);
    for (const std::string& name : bases) {
        EXPECT_EQ(std::count(name.begin(), name.end(), '_'), 4) << name;
        int range = 0, altitude = 0, percent = 0;
        const size_t numbers = name.find('_', name.find('_') + 1);
        // Out-of-range numbers are clamped by the plug-in, not refused; they must only be numbers.
        EXPECT_EQ(std::sscanf(name.c_str() + numbers, "_%d_%d_%d.wav", &range, &altitude, &percent),
                  3)
            << name;
    }
}

TEST(Pack, RadioFoldersServeTheDefaultComAndStandbyFrequencies) {
    EXPECT_GE(filesMatching("sound\\radio\\140.300 STS-134\\*.wav").size(), 4u);
    bool standbyServed = false;
    for (const platform::FolderEntry& entry :
         platform::findFiles((std::string(SOUNDPACK_TREE) + "\\sound\\radio\\*.*").c_str())) {
        if (entry.isFolder && entry.name.find("296.800") != std::string::npos) {
            standbyServed = !filesMatching("sound\\radio\\" + entry.name + "\\*.wav").empty();
        }
    }
    EXPECT_TRUE(standbyServed);
}

TEST(Pack, TheSequentialFolderPlaysItsWavesInOrderWithoutOverlap) {
    const std::string folder = "sound\\radio\\128.550 Launch Control\\";
    FILE* file = platform::openFile(treePath(folder + "Sequential.cfg").c_str(), "rt");
    ASSERT_NE(file, nullptr);
    std::string record(510 + 4112, '\0');
    ASSERT_EQ(std::fread(record.data(), 1, record.size(), file), record.size());
    std::fclose(file);
    record.erase(0, 510);
    const auto field = [&record](size_t offset) {
        int32_t value;
        std::memcpy(&value, record.data() + offset, 4);
        return value;
    };
    EXPECT_NE(field(0), 0); // timed
    const int count = field(16);
    ASSERT_GE(count, 2);
    EXPECT_EQ(static_cast<size_t>(count), filesMatching(folder + "*.wav").size());
    double previousEnd = 0.0;
    for (int i = 0; i < count; ++i) {
        const std::string name = record.c_str() + 20 + 60 * i;
        const int start = field(3620 + 4 * i);
        EXPECT_GE(start, previousEnd) << name << " starts before the previous wave ends";
        previousEnd = start + readWav(treePath(folder + name)).seconds();
    }
}

TEST(Pack, MusicFolderHoldsTwoMp3Tracks) {
    const std::vector<std::string> tracks = filesMatching("sound\\mp3\\*.mp3");
    ASSERT_EQ(tracks.size(), 2u);
    for (const std::string& track : tracks) {
        const std::string bytes = fileBytes("sound\\mp3\\" + track);
        ASSERT_GT(bytes.size(), 100000u) << track;
        const bool id3 = bytes.compare(0, 3, "ID3") == 0;
        const bool frameSync = static_cast<unsigned char>(bytes[0]) == 0xFF &&
                               (static_cast<unsigned char>(bytes[1]) & 0xE0) == 0xE0;
        EXPECT_TRUE(id3 || frameSync) << track;
    }
}

} // namespace
} // namespace soundpack
