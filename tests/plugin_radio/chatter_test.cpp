#include "plugin/addon/vessel_wave_slots.h"
#include "plugin/behaviour/frame_state.h"
#include "plugin/core/main_configuration.h"
#include "plugin/core/random.h"
#include "plugin/core/slot_operations.h"
#include "plugin/core/stock_slot_table.h"
#include "plugin/radio/chatter.h"
#include "plugin/radio/chatter_delay.h"
#include "plugin/radio/frequency_folders.h"
#include "radio_fixture.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <string>
#include <vector>

namespace {

using namespace zephyrin;

class ChatterTest : public testsupport::RadioTest {
protected:
    ChatterTest() {
        focusOn({});
        frame.cameraInternal = 1;
        frame.timeAcceleration = 1.0;
        seedRandom(7);
    }

    void tune(const char* frequency) {
        std::snprintf(radio.comFrequency, sizeof radio.comFrequency, "%s", frequency);
        ScanFrequencyFolders();
        SelectFrequencyFolder();
    }

    // One radio tick at `time`; returns the wave it started, or "".
    std::string tick(double time) {
        frame.simTime = time;
        StockSoundSlot& slot = stockSlot(RadioChatter);
        bool wasPlaying = isSlotPlaying(slot) != 0;
        std::string before = slot.fileName;
        UpdateRadio();
        if (isSlotPlaying(slot) == 0 || (wasPlaying && before == slot.fileName)) {
            return "";
        }
        return slot.fileName;
    }

    // The chatter ends as a one-shot play does.
    void endChatter() { stopSlot(stockSlot(RadioChatter)); }
};

TEST_F(ChatterTest, TheDelayFollowsTheAltitudeFactor) {
    struct Delay {
        const char* name;
        int multiply;
        double altitude;
        int minDelay;
        int maxDelay;
        float factor;
        double lowest;
        double highest;
    };
    const double int32Max = std::numeric_limits<int32_t>::max();
    const Delay cases[] = {
        {"below the threshold", 1, 200e3, 10, 120, 20, 10, 120},
        {"above the threshold", 1, 300e3, 10, 120, 20, 200, 2400},
        {"factor off", 0, 300e3, 10, 120, 20, 10, 120},
        {"product past int32", 1, 300e3, 10, 2000000000, 20, 200, int32Max},
        {"range the wrong way round", 1, 0, 120, 10, 20, 120, 4294967296.0},
    };
    for (const Delay& c : cases) {
        SCOPED_TRACE(c.name);
        liveOptions.ATCDELAYMULTIPLY = c.multiply;
        liveOptions.ATCMINDELAY = c.minDelay;
        liveOptions.ATCMAXDELAY = c.maxDelay;
        liveOptions.ATCDELAYFACTOR = c.factor;
        liveOptions.ATCDELAYDISTANCEKM = 250;
        frame.altitude = c.altitude;
        double lowest = 1e300;
        double highest = -1;
        for (int draw = 0; draw < 400; ++draw) {
            double delay = ChatterDelay();
            lowest = std::min(lowest, delay);
            highest = std::max(highest, delay);
        }
        EXPECT_GE(lowest, c.lowest);
        EXPECT_LE(highest, c.highest);
        EXPECT_LT(lowest, c.lowest + (c.highest - c.lowest) * 0.05);
    }
}

TEST_F(ChatterTest, AFolderIsHeardWholeBeforeAnyWaveRepeats) {
    for (const char* name : {"a", "b", "c"}) {
        writeWave(std::string("Sound/radio/140.300/") + name + ".wav");
    }
    tune("140.300");
    std::vector<std::string> heard;
    for (int round = 0; round < 6; ++round) {
        PlayChatter(static_cast<int>(RandomInRange(0, 2)), 200);
        heard.push_back(stockSlot(RadioChatter).fileName);
        endChatter();
    }
    EXPECT_EQ(std::set<std::string>(heard.begin(), heard.begin() + 3).size(), 3u);
    EXPECT_EQ(std::set<std::string>(heard.begin() + 3, heard.end()).size(), 3u);
}

TEST_F(ChatterTest, ChatterStartsWhenDueAndNeverWhileWarped) {
    writeWave("Sound/radio/140.300/a.wav");
    tune("140.300");
    EXPECT_EQ(tick(0.5), "");
    EXPECT_EQ(tick(1.2), "sound\\radio\\140.300\\a.wav");
    double next = radio.nextChatterTime;
    EXPECT_GE(next, 1.2 + 10);
    EXPECT_LE(next, 1.2 + 120);
    endChatter();
    EXPECT_EQ(tick(next - 0.5), "");

    frame.timeAcceleration = 10;
    EXPECT_EQ(tick(next + 5), "");
    EXPECT_EQ(tick(next + 50), "");
    frame.timeAcceleration = 1;
    EXPECT_EQ(tick(next + 60), "");
    EXPECT_GE(radio.nextChatterTime, next + 60 + 10);
    EXPECT_EQ(tick(radio.nextChatterTime + 1), "sound\\radio\\140.300\\a.wav");
}

TEST_F(ChatterTest, AnExclusiveAddonWavePostponesTheChatter) {
    writeWave("Sound/radio/140.300/a.wav");
    writeWave("Sound/Addon/call.wav");
    tune("140.300");
    LoadWave(vesselWaveSlots[4], "Sound\\Addon\\call.wav", 0);
    playWaveSimple(vesselWaveSlots[4], 0, 255);
    exclusiveWaveIndex = 4;
    EXPECT_EQ(tick(2), "");
    EXPECT_GE(radio.nextChatterTime, 12);

    stopSlot(vesselWaveSlots[4]);
    EXPECT_EQ(tick(radio.nextChatterTime + 1), "sound\\radio\\140.300\\a.wav");
}

TEST_F(ChatterTest, MutedOrGroundedChatterIsSkipped) {
    writeWave("Sound/radio/140.300/a.wav");
    tune("140.300");
    radio.radioMuted = 1;
    EXPECT_EQ(tick(2), "");
    EXPECT_GE(radio.nextChatterTime, 12);
    radio.radioMuted = 0;
    liveOptions.NOATCWHENGROUNDED = 1;
    frame.status.status = VESSEL_STATUS_DOCKED;
    EXPECT_EQ(tick(radio.nextChatterTime + 1), "");
    liveOptions.NOATCWHENGROUNDED = 0;
    EXPECT_EQ(tick(radio.nextChatterTime + 1), "sound\\radio\\140.300\\a.wav");
}

TEST_F(ChatterTest, ATimedSequencePlaysEachWaveAtItsTime) {
    for (const char* name : {"a", "b", "c"}) {
        writeWave(std::string("Sound/radio/128.550/") + name + ".wav");
    }
    folder.write("Sound/radio/128.550/Sequential.cfg",
                 sequenceFile(true, false, 0, 3, {{"a.wav", 0}, {"b.wav", 0}, {"c.wav", 5}}));
    frame.simTime = 10;
    tune("128.550");
    frame.timeAcceleration = 100;   // a timed program runs whatever the time acceleration
    std::vector<std::string> heard; // tick number and wave, one tick every 0.5 s
    for (int step = 0; step < 20; ++step) {
        std::string started = tick(10.1 + 0.5 * step);
        if (!started.empty()) {
            heard.push_back(std::to_string(step) + " " + started);
        }
    }
    EXPECT_EQ(heard, (std::vector<std::string>{"0 sound\\radio\\128.550\\a.wav",
                                               "1 sound\\radio\\128.550\\b.wav",
                                               "10 sound\\radio\\128.550\\c.wav"}));
}

TEST_F(ChatterTest, ALoopingTimedSequenceWaitsItsPauseAndLetsTheLastWavePlay) {
    writeWave("Sound/radio/128.550/a.wav");
    writeWave("Sound/radio/128.550/b.wav");
    folder.write("Sound/radio/128.550/Sequential.cfg",
                 sequenceFile(true, true, 30, 2, {{"a.wav", 0}, {"b.wav", 2}}));
    frame.simTime = 0;
    tune("128.550");
    std::vector<int> starts;
    for (double time = 0.25; time < 70; time += 0.5) {
        if (!tick(time).empty()) {
            starts.push_back(static_cast<int>(time));
        }
    }
    // The elapsed time is truncated toward zero: the loop starts again in the tick half a second
    // before its pause has run out.
    EXPECT_EQ(starts, (std::vector<int>{0, 2, 31, 34, 63, 66}));
}

TEST_F(ChatterTest, ADelayedSequencePlaysInOrderAtTheChatterIntervals) {
    for (const char* name : {"a", "b"}) {
        writeWave(std::string("Sound/radio/128.550/") + name + ".wav");
    }
    folder.write("Sound/radio/128.550/Sequential.cfg",
                 sequenceFile(false, false, 0, 2, {{"a.wav", 0}, {"b.wav", 0}}));
    tune("128.550");
    std::vector<std::string> heard;
    for (double time = 0.5; time < 600; time += 0.5) {
        std::string started = tick(time);
        if (!started.empty()) {
            heard.push_back(started);
            endChatter();
        }
    }
    EXPECT_EQ(heard, (std::vector<std::string>{"sound\\radio\\128.550\\a.wav",
                                               "sound\\radio\\128.550\\b.wav"}));
}

TEST_F(ChatterTest, TheBlackoutStaticLowersTheChatter) {
    writeWave("Sound/radio/140.300/a.wav");
    writeWave("Sound/Vessel/noise.wav");
    tune("140.300");
    LoadWave(stockSlot(Noise), "Sound\\Vessel\\noise.wav", 1);
    PlayChatter(0, 255);
    frame.dynPressure = 20000;
    frame.atmPressure = 100;
    frame.airspeed = 8200; // 0.5 p v^3 / 1e9 / 41 = 672: the chatter would drop below 100
    updateBlackoutNoise();
    EXPECT_EQ(stockSlot(RadioChatter).lastVolume, 100);
    EXPECT_EQ(stockSlot(Noise).lastVolume, 255);
    EXPECT_EQ(isSlotPlaying(stockSlot(Noise)), 1);
}

} // namespace
