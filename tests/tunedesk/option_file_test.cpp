// Tunedesk's reading, repair and writing of Sound\Cfg\Zephyrin3.cfg.
#include "config_program/model/option_file.h"
#include "tunedesk_fixture.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {
using tunedesktest::recordBytes;
using tunedesktest::tunedeskDefaults;

constexpr const char* file = "Sound/Cfg/Zephyrin3.cfg";

OptionRecord unusual() {
    OptionRecord record = tunedeskDefaults();
    record.PLAYAUXTHRUST = 0;
    record.VOLRESERVED = 3;
    record.VOLGPWS = 7;
    return record;
}
} // namespace

TEST(TunedeskOptionFile, AMissingFileIsWrittenWithTunedesksDefaults) {
    testsupport::ScratchFolder tree;
    std::filesystem::create_directories(tree.path() / "Sound/Cfg");
    std::vector<std::string> messages;
    const OptionRecord record = tunedesk::loadOptionFile(messages);
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(recordBytes(record), recordBytes(tunedeskDefaults()));
    EXPECT_EQ(tree.read(file), recordBytes(tunedeskDefaults()));
    EXPECT_EQ(record.VOLCABINAMBIENCE, 255);
    EXPECT_EQ(record.VOLATTITUDEMODE, 255);
    EXPECT_EQ(record.VOLGPWS, 255);
}

TEST(TunedeskOptionFile, AValidFileIsTakenAsItIs) {
    testsupport::ScratchFolder tree;
    tree.write(file, recordBytes(unusual()));
    std::vector<std::string> messages;
    EXPECT_EQ(recordBytes(tunedesk::loadOptionFile(messages)), recordBytes(unusual()));
    EXPECT_EQ(tree.read(file), recordBytes(unusual()));
}

TEST(TunedeskOptionFile, ALongerFileIsReadForItsFirstBlock) {
    testsupport::ScratchFolder tree;
    tree.write(file, recordBytes(unusual()) + "trailing bytes");
    std::vector<std::string> messages;
    EXPECT_EQ(recordBytes(tunedesk::loadOptionFile(messages)), recordBytes(unusual()));
}

TEST(TunedeskOptionFile, AShortOrWronglyMarkedFileIsReplacedByTheDefaultsWhole) {
    OptionRecord wrongMark = unusual();
    wrongMark.VERSIONCONTROL = 1.0;
    for (const std::string& content :
         {recordBytes(unusual()).substr(0, 247), recordBytes(wrongMark), std::string()}) {
        testsupport::ScratchFolder tree;
        tree.write(file, content);
        std::vector<std::string> messages;
        // No byte of the broken file survives, not even in the fields without a control.
        EXPECT_EQ(recordBytes(tunedesk::loadOptionFile(messages)), recordBytes(tunedeskDefaults()));
        EXPECT_EQ(tree.read(file), recordBytes(tunedeskDefaults()));
        EXPECT_TRUE(messages.empty());
    }
}

TEST(TunedeskOptionFile, AFolderThatCannotBeWrittenIsSaid) {
    testsupport::ScratchFolder tree; // no Sound\Cfg folder
    std::vector<std::string> messages;
    EXPECT_EQ(recordBytes(tunedesk::loadOptionFile(messages)), recordBytes(tunedeskDefaults()));
    EXPECT_EQ(messages, std::vector<std::string>{"Unable to create cfg file\n"});
    EXPECT_FALSE(tunedesk::saveOptionFile(tunedeskDefaults()));
}

TEST(TunedeskOptionFile, SavingWritesTheWholeRecord) {
    testsupport::ScratchFolder tree;
    tree.write(file, "old content that is longer than one record" + std::string(300, 'x'));
    ASSERT_TRUE(tunedesk::saveOptionFile(unusual()));
    EXPECT_EQ(tree.read(file), recordBytes(unusual()));
}
