// DirectSound's volume, frequency and 3D settings as they are heard: tones rendered through the
// offline output and measured.
#include "tests/platform_audio/offline_device.h"

#include <cmath>

namespace audio_test {
namespace {

constexpr DWORD flags3D = DSBCAPS_CTRL3D | DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY;
constexpr DWORD flags2D = DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN;

using RenderedMapping = OfflineDevice;

TEST_F(RenderedMapping, VolumeSetsTheLevelInHundredthsOfADecibel) {
    auto buffer = tone(441, flags2D);
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    const double full = levelsOver().total();
    ASSERT_GT(full, 0.01);
    for (LONG millibels : {-600, -2000, -4980}) {
        ASSERT_EQ(buffer->SetVolume(millibels), DS_OK);
        EXPECT_NEAR(levelsOver().total() / full, std::pow(10.0, millibels / 2000.0), 0.01)
            << millibels;
    }
}

TEST_F(RenderedMapping, FrequencySetsThePitchAgainstTheWavesOwnRate) {
    struct Case {
        DWORD waveRate;
        DWORD frequency;
        double heardHertz;
    };
    for (const Case& scripted : {Case{22050, 44100, 882}, Case{22050, 11025, 220.5},
                                 Case{11025, 22050, 882}, Case{22050, 0, 441}}) {
        auto buffer = tone(441, flags2D, scripted.waveRate);
        ASSERT_EQ(buffer->SetFrequency(scripted.frequency), DS_OK);
        ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
        platform::audio::renderOffline(0.05);
        EXPECT_NEAR(frequencyOf(platform::audio::renderOffline(0.5)), scripted.heardHertz, 2.0)
            << scripted.waveRate << " Hz wave at " << scripted.frequency;
    }
}

TEST_F(RenderedMapping, TheHighestFrequencyIsNotClampedBelowDirectSoundsRange) {
    auto buffer = tone(50, flags2D, 8000);
    ASSERT_EQ(buffer->SetFrequency(DSBFREQUENCY_MAX), DS_OK);
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    platform::audio::renderOffline(0.05);
    EXPECT_NEAR(frequencyOf(platform::audio::renderOffline(0.5)), 50.0 * 200000 / 8000, 10.0);
}

TEST_F(RenderedMapping, LevelFallsWithDistancePastTheMinimumDistance) {
    auto buffer = tone(441, flags3D);
    auto buffer3D = interface3D(buffer.get());
    ASSERT_EQ(buffer3D->SetMinDistance(2.0f, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(buffer3D->SetMaxDistance(16.0f, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    ASSERT_EQ(buffer3D->SetPosition(0, 0, 1, DS3D_IMMEDIATE), DS_OK);
    const double inside = levelsOver().total();
    struct Case {
        float distance;
        double gain; // min / (min + rolloff × (d − min)), held from the maximum distance on
    };
    for (const Case& scripted : {Case{2, 1.0}, Case{4, 0.5}, Case{8, 0.25}, Case{32, 0.125}}) {
        ASSERT_EQ(buffer3D->SetPosition(0, 0, scripted.distance, DS3D_IMMEDIATE), DS_OK);
        EXPECT_NEAR(levelsOver().total() / inside, scripted.gain, 0.01) << scripted.distance;
    }
    ASSERT_EQ(listener->SetRolloffFactor(2.0f, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(buffer3D->SetPosition(0, 0, 4, DS3D_IMMEDIATE), DS_OK);
    EXPECT_NEAR(levelsOver().total() / inside, 2.0 / (2.0 + 2.0 * 2.0), 0.01);
}

TEST_F(RenderedMapping, PastTheMaximumDistanceAMutedBufferIsSilent) {
    auto muted = tone(441, flags3D | DSBCAPS_MUTE3DATMAXDISTANCE);
    auto muted3D = interface3D(muted.get());
    ASSERT_EQ(muted3D->SetMaxDistance(10.0f, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(muted3D->SetPosition(0, 0, 8, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(muted->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    EXPECT_GT(levelsOver().total(), 0.01);

    ASSERT_EQ(muted3D->SetPosition(0, 0, 12, DS3D_IMMEDIATE), DS_OK);
    EXPECT_LT(levelsOver().total(), 1e-4);
    DWORD status = 0;
    ASSERT_EQ(muted->GetStatus(&status), DS_OK);
    EXPECT_TRUE(status & DSBSTATUS_PLAYING) << "muted, not stopped";

    ASSERT_EQ(listener->SetPosition(0, 0, 4, DS3D_DEFERRED), DS_OK);
    EXPECT_LT(levelsOver().total(), 1e-4) << "until the listener's move is committed";
    ASSERT_EQ(listener->CommitDeferredSettings(), DS_OK);
    EXPECT_GT(levelsOver().total(), 0.01);

    auto unmuted = tone(441, flags3D);
    auto unmuted3D = interface3D(unmuted.get());
    ASSERT_EQ(muted->Stop(), DS_OK);
    ASSERT_EQ(unmuted3D->SetMaxDistance(10.0f, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(unmuted3D->SetPosition(0, 0, 40, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(unmuted->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    EXPECT_GT(levelsOver().total(), 0.01) << "held at the maximum distance's level";
}

// A stopped buffer does not follow the listener at each commit; it must catch up when played.
TEST_F(RenderedMapping, AStoppedMutedBufferPlaysAsTheListenerLeftIt) {
    auto muted = tone(441, flags3D | DSBCAPS_MUTE3DATMAXDISTANCE);
    auto muted3D = interface3D(muted.get());
    ASSERT_EQ(muted3D->SetMaxDistance(10.0f, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(muted3D->SetPosition(0, 0, 8, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(muted->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    ASSERT_EQ(muted->Stop(), DS_OK);

    ASSERT_EQ(listener->SetPosition(0, 0, -20, DS3D_DEFERRED), DS_OK);
    ASSERT_EQ(listener->CommitDeferredSettings(), DS_OK);
    ASSERT_EQ(muted->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    EXPECT_LT(levelsOver().total(), 1e-4) << "28 m from the listener, past its 10 m";

    ASSERT_EQ(muted->Stop(), DS_OK);
    ASSERT_EQ(listener->SetPosition(0, 0, 4, DS3D_DEFERRED), DS_OK);
    ASSERT_EQ(listener->CommitDeferredSettings(), DS_OK);
    ASSERT_EQ(muted->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    EXPECT_GT(levelsOver().total(), 0.01) << "4 m from the listener";
}

TEST_F(RenderedMapping, APositionOnTheRightIsLouderOnTheRight) {
    auto buffer = tone(441, flags3D);
    auto buffer3D = interface3D(buffer.get());
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);

    ASSERT_EQ(buffer3D->SetPosition(3, 0, 0, DS3D_IMMEDIATE), DS_OK);
    Levels levels = levelsOver();
    EXPECT_GT(levels.right, 2 * levels.left);

    ASSERT_EQ(buffer3D->SetPosition(-3, 0, 0, DS3D_IMMEDIATE), DS_OK);
    levels = levelsOver();
    EXPECT_GT(levels.left, 2 * levels.right);

    // Turned to face -z, the listener has +x on its left.
    ASSERT_EQ(buffer3D->SetPosition(3, 0, 0, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(listener->SetOrientation(0, 0, -1, 0, 1, 0, DS3D_IMMEDIATE), DS_OK);
    levels = levelsOver();
    EXPECT_GT(levels.left, 2 * levels.right);
}

TEST_F(RenderedMapping, OutsideTheConeTheOutsideVolumeIsHeard) {
    auto buffer = tone(441, flags3D);
    auto buffer3D = interface3D(buffer.get());
    ASSERT_EQ(buffer3D->SetPosition(0, 0, 1, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(buffer3D->SetConeAngles(60, 120, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(buffer3D->SetConeOutsideVolume(-1200, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);

    ASSERT_EQ(buffer3D->SetConeOrientation(0, 0, -1, DS3D_IMMEDIATE), DS_OK); // toward us
    const double inside = levelsOver().total();
    ASSERT_EQ(buffer3D->SetConeOrientation(0, 0, 1, DS3D_IMMEDIATE), DS_OK); // away from us
    EXPECT_NEAR(levelsOver().total() / inside, std::pow(10.0, -1200 / 2000.0), 0.01);
}

TEST_F(RenderedMapping, HeadRelativeSoundsFollowTheListener) {
    auto buffer = tone(441, flags3D);
    auto buffer3D = interface3D(buffer.get());
    ASSERT_EQ(buffer3D->SetPosition(4, 0, 0, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    const Levels atOrigin = levelsOver();
    ASSERT_GT(atOrigin.right, 2 * atOrigin.left);

    ASSERT_EQ(buffer3D->SetMode(DS3DMODE_HEADRELATIVE, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(listener->SetPosition(500, 20, -300, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(listener->SetOrientation(0, 0, -1, 0, 1, 0, DS3D_IMMEDIATE), DS_OK);
    const Levels moved = levelsOver();
    EXPECT_NEAR(moved.left, atOrigin.left, 0.02 * atOrigin.total());
    EXPECT_NEAR(moved.right, atOrigin.right, 0.02 * atOrigin.total());
}

TEST_F(RenderedMapping, DisabledSoundsAreHeardAtTheListenerUnpanned) {
    auto buffer = tone(441, flags3D);
    auto buffer3D = interface3D(buffer.get());
    ASSERT_EQ(buffer3D->SetPosition(0, 0, 1, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    const double near = levelsOver().total();

    ASSERT_EQ(buffer3D->SetPosition(300, 0, 0, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(buffer3D->SetMode(DS3DMODE_DISABLE, DS3D_IMMEDIATE), DS_OK);
    const Levels levels = levelsOver();
    EXPECT_NEAR(levels.total() / near, 1.0, 0.02);
    EXPECT_NEAR(levels.left / levels.right, 1.0, 0.02);
}

TEST_F(RenderedMapping, DeferredSettingsAreHeardOnlyAfterTheCommit) {
    auto buffer = tone(441, flags3D);
    auto buffer3D = interface3D(buffer.get());
    ASSERT_EQ(buffer3D->SetPosition(0, 0, 1, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    const double near = levelsOver().total();

    ASSERT_EQ(buffer3D->SetPosition(0, 0, 4, DS3D_DEFERRED), DS_OK);
    ASSERT_EQ(listener->SetRolloffFactor(2.0f, DS3D_DEFERRED), DS_OK);
    EXPECT_NEAR(levelsOver().total() / near, 1.0, 0.01) << "not committed yet";
    DS3DBUFFER parameters{sizeof(DS3DBUFFER)};
    ASSERT_EQ(buffer3D->GetAllParameters(&parameters), DS_OK);
    EXPECT_EQ(parameters.vPosition.z, 4.0f) << "the settings read back as set";

    ASSERT_EQ(listener->CommitDeferredSettings(), DS_OK);
    EXPECT_NEAR(levelsOver().total() / near, 1.0 / (1.0 + 2.0 * 3.0), 0.01);
}

TEST_F(RenderedMapping, ApproachingSoundsRiseInPitchByTheDopplerFactor) {
    auto buffer = tone(441, flags3D);
    auto buffer3D = interface3D(buffer.get());
    ASSERT_EQ(buffer3D->SetPosition(0, 0, 10, DS3D_IMMEDIATE), DS_OK);
    ASSERT_EQ(buffer3D->SetVelocity(0, 0, -34.33f, DS3D_IMMEDIATE), DS_OK); // toward us
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    struct Case {
        float doppler;
        float metresPerUnit;
        double heardHertz; // 441 × c / (c − doppler × v), c = 343.3 m/s in units per second
    };
    for (const Case& scripted :
         {Case{1.0f, 1.0f, 441.0 * 343.3 / (343.3 - 34.33)}, Case{0.0f, 1.0f, 441.0},
          Case{1.0f, 0.5f, 441.0 * 686.6 / (686.6 - 34.33)}}) {
        ASSERT_EQ(listener->SetDopplerFactor(scripted.doppler, DS3D_DEFERRED), DS_OK);
        ASSERT_EQ(listener->SetDistanceFactor(scripted.metresPerUnit, DS3D_DEFERRED), DS_OK);
        ASSERT_EQ(listener->CommitDeferredSettings(), DS_OK);
        platform::audio::renderOffline(0.05);
        EXPECT_NEAR(frequencyOf(platform::audio::renderOffline(0.5)), scripted.heardHertz, 2.0)
            << "Doppler factor " << scripted.doppler << ", " << scripted.metresPerUnit
            << " m per unit";
    }
}

TEST_F(RenderedMapping, PanTurnsA2DSoundToOneSide) {
    auto buffer = tone(441, flags2D);
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    Levels levels = levelsOver();
    EXPECT_NEAR(levels.left / levels.right, 1.0, 0.02);
    ASSERT_EQ(buffer->SetPan(DSBPAN_RIGHT), DS_OK);
    levels = levelsOver();
    EXPECT_GT(levels.right, 2 * levels.left);
    ASSERT_EQ(buffer->SetPan(-2000), DS_OK);
    levels = levelsOver();
    EXPECT_GT(levels.left, levels.right);
}

TEST_F(RenderedMapping, ThePrimaryVolumeScalesTheWholeMix) {
    auto buffer = tone(441, flags2D);
    ASSERT_EQ(buffer->Play(0, 0, DSBPLAY_LOOPING), DS_OK);
    const double full = levelsOver().total();
    DSBUFFERDESC description{
        sizeof(DSBUFFERDESC), DSBCAPS_PRIMARYBUFFER | DSBCAPS_CTRLVOLUME, 0, 0, nullptr, GUID_NULL};
    IDirectSoundBuffer* primary = nullptr;
    ASSERT_EQ(directSound->CreateSoundBuffer(&description, &primary, nullptr), DS_OK);
    ASSERT_EQ(primary->SetVolume(-1000), DS_OK);
    EXPECT_NEAR(levelsOver().total() / full, std::pow(10.0, -0.5), 0.01);
    primary->Release();
}

} // namespace
} // namespace audio_test
