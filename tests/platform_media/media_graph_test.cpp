#include "platform/audio/dsound_fake.h"
#include "platform/media.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace {

namespace fake = platform::audio::fake;

class MediaGraphTest : public testing::Test {
protected:
    MediaGraphTest() {
        fake::reset();
        DirectSoundCreate8(nullptr, &device, nullptr);
        graph = platform::media::createMediaGraph(device, nullptr);
    }
    ~MediaGraphTest() override {
        graph.reset();
        device->Release();
    }

    IDirectSound8* device = nullptr;
    std::unique_ptr<platform::media::MediaGraph> graph;
    testsupport::ScratchFolder folder;
};

TEST_F(MediaGraphTest, ATrackStreamsIntoABufferNamedAfterIt) {
    std::string track = std::string(VORANTH_TREE) + "/Sound/mp3/Orbit Dawn.mp3";
    ASSERT_TRUE(std::filesystem::exists(track));
    ASSERT_EQ(graph->load(track.c_str()), S_OK);
    ASSERT_EQ(fake::bufferCount(), 1);
    const fake::BufferState& buffer = fake::buffer(1);
    EXPECT_EQ(buffer.name, track);
    EXPECT_EQ(buffer.format.wBitsPerSample, 16);
    EXPECT_EQ(buffer.bufferBytes, buffer.format.nAvgBytesPerSec * 2);
    EXPECT_TRUE(std::any_of(buffer.samples.begin(), buffer.samples.end(),
                            [](uint8_t byte) { return byte != 0; }));
    EXPECT_EQ(graph->run(), S_OK);
    EXPECT_TRUE(buffer.playing);
    EXPECT_TRUE(buffer.looping);
    graph->setVolume(-2500);
    graph->setVolume(-2500);
    EXPECT_EQ(fake::callTexts("SetVolume"), std::vector<std::string>{"buffer1.SetVolume(-2500)"});
    EXPECT_FALSE(graph->completed());
    graph->release();
    EXPECT_EQ(buffer.references, 0u);
}

TEST_F(MediaGraphTest, AFileThatIsNoMp3IsRefused) {
    folder.write("Sound/mp3/noise.mp3", std::string(4096, '\x55'));
    folder.write("Sound/mp3/empty.mp3", "");
    EXPECT_LT(graph->load("Sound\\mp3\\noise.mp3"), 0);
    EXPECT_LT(graph->load("sound\\MP3\\empty.mp3"), 0);
    EXPECT_LT(graph->load("Sound\\mp3\\missing.mp3"), 0);
    EXPECT_LT(graph->run(), 0);
    EXPECT_FALSE(graph->completed());
}

} // namespace
