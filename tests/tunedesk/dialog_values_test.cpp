// The record to the controls and back, the fields' ranges and the 3D rule.
#include "config_program/model/dialog_ids.h"
#include "config_program/model/dialog_values.h"
#include "tunedesk_fixture.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {
using tunedesk::DialogValues;
using tunedesktest::recordBytes;
using tunedesktest::tunedeskDefaults;

OptionRecord throughTheDialog(const OptionRecord& record) {
    OptionRecord back = tunedeskDefaults();
    std::memcpy(&back, &record, sizeof back);
    EXPECT_FALSE(tunedesk::readDialogValues(tunedesk::dialogValuesOf(record), back));
    return back;
}

OptionRecord atEdge(int32_t switches, int32_t volume, int32_t delays, int32_t maxDelay,
                    float factor, int32_t mp3Mode) {
    OptionRecord record = tunedeskDefaults();
    for (const tunedesk::SwitchControl& control : tunedesk::switchControls())
        record.*control.field = switches;
    for (const tunedesk::NumberControl& control : tunedesk::numberControls())
        record.*control.field = control.maximum == 255 ? volume : delays;
    record.ATCMAXDELAY = maxDelay;
    record.ATCDELAYFACTOR = factor;
    record.MP3MODE = mp3Mode;
    return record;
}
} // namespace

TEST(TunedeskValues, RecordsAtTheirEdgesComeBackUnchanged) {
    const OptionRecord edges[] = {
        atEdge(0, 0, 0, 0, 0.0f, 0),
        atEdge(1, 255, 1000000000, 3600, 100.0f, 5),
        atEdge(1, 1, 1, 1, 0.5f, 3),
        tunedeskDefaults(),
    };
    for (const OptionRecord& record : edges)
        EXPECT_EQ(recordBytes(throughTheDialog(record)), recordBytes(record));
}

TEST(TunedeskValues, FieldsWithoutControlKeepWhatWasRead) {
    OptionRecord record = tunedeskDefaults();
    record.PLAYAUXTHRUST = 7;
    record.PLAYWINDCOCKPITOPEN = -3;
    record.VOLRESERVED = 0x12345678;
    record.VERSIONCONTROL = 1.5;
    const OptionRecord back = throughTheDialog(record);
    EXPECT_EQ(back.PLAYAUXTHRUST, 7);
    EXPECT_EQ(back.PLAYWINDCOCKPITOPEN, -3);
    EXPECT_EQ(back.VOLRESERVED, 0x12345678);
    EXPECT_EQ(back.VERSIONCONTROL, 1.5);
}

TEST(TunedeskValues, VolumesShowTheirLowByteAndAreWrittenBackWhole) {
    OptionRecord record = tunedeskDefaults();
    record.VOLRADAR = 0x0300 | 17;
    record.VOLMP3 = -1;
    const DialogValues values = tunedesk::dialogValuesOf(record);
    EXPECT_EQ(values.texts.at(IDC_VOLRADAR), "17");
    EXPECT_EQ(values.texts.at(IDC_VOLMP3), "255");
    const OptionRecord back = throughTheDialog(record);
    EXPECT_EQ(back.VOLRADAR, 17);
    EXPECT_EQ(back.VOLMP3, 255);
}

TEST(TunedeskValues, TheMusicModeIsTheDropDownSelection) {
    OptionRecord record = tunedeskDefaults();
    record.MP3MODE = 4;
    EXPECT_EQ(tunedesk::dialogValuesOf(record).mp3Selection, 4);
    record.MP3MODE = 9; // no entry: nothing selected, the value kept
    EXPECT_EQ(tunedesk::dialogValuesOf(record).mp3Selection, -1);
    EXPECT_EQ(throughTheDialog(record).MP3MODE, 9);
}

TEST(TunedeskValues, EachRangeAtItsEdgesWithItsMessage) {
    struct Case {
        int control;
        std::string text;
        const char* message; // null: accepted
    };
    const Case cases[] = {
        {IDC_VOLGPWS, "0", nullptr},
        {IDC_VOLGPWS, "255", nullptr},
        {IDC_VOLGPWS, "256", "Please enter an integer between 0 and 255."},
        {IDC_VOLATC, "", "Please enter an integer."},
        {IDC_ATCMINDELAY, "1000000000", nullptr},
        {IDC_ATCMINDELAY, "1000000001", "Please enter an integer between 0 and 1000000000."},
        {IDC_ATCDELAYDISTANCEKM, "99999999999999999999999",
         "Please enter an integer between 0 and 1000000000."},
        {IDC_ATCMAXDELAY, "3600", nullptr},
        {IDC_ATCMAXDELAY, "3601", "Please enter an integer between 0 and 3600."},
        {IDC_ATCDELAYFACTOR, "100", nullptr},
        {IDC_ATCDELAYFACTOR, "12.5", nullptr},
        {IDC_ATCDELAYFACTOR, "100.01", "Please enter a number between 0 and 100."},
        {IDC_ATCDELAYFACTOR, ".", "Please enter a number."},
        {IDC_ATCDELAYFACTOR, "nan", "Please enter a number."},
        {IDC_ATCDELAYFACTOR, "inf", "Please enter a number."},
    };
    for (const Case& c : cases) {
        OptionRecord record = tunedeskDefaults();
        DialogValues values = tunedesk::dialogValuesOf(record);
        values.texts[c.control] = c.text;
        values.checks[IDC_PLAYRADARBIP] = true;
        const auto failure = tunedesk::readDialogValues(values, record);
        if (c.message == nullptr) {
            EXPECT_FALSE(failure) << c.text;
            EXPECT_EQ(record.PLAYRADARBIP, 1) << c.text;
        } else {
            ASSERT_TRUE(failure) << c.text;
            EXPECT_EQ(failure->controlId, c.control);
            EXPECT_EQ(failure->message, c.message);
            EXPECT_EQ(recordBytes(record), recordBytes(tunedeskDefaults())) << "nothing read";
        }
    }
}

TEST(TunedeskValues, TheFactorTakesADecimalPoint) {
    OptionRecord record = tunedeskDefaults();
    DialogValues values = tunedesk::dialogValuesOf(record);
    values.texts[IDC_ATCDELAYFACTOR] = "2.25";
    ASSERT_FALSE(tunedesk::readDialogValues(values, record));
    EXPECT_EQ(record.ATCDELAYFACTOR, 2.25f);
    EXPECT_EQ(tunedesk::dialogValuesOf(record).texts.at(IDC_ATCDELAYFACTOR), "2.25");

    EXPECT_TRUE(tunedesk::acceptsCharacter(IDC_ATCDELAYFACTOR, "2", '.'));
    EXPECT_FALSE(tunedesk::acceptsCharacter(IDC_ATCDELAYFACTOR, "2.2", '.'));
    EXPECT_FALSE(tunedesk::acceptsCharacter(IDC_VOLATC, "2", '.'));
    EXPECT_FALSE(tunedesk::acceptsCharacter(IDC_VOLATC, "", '-'));
    EXPECT_TRUE(tunedesk::acceptsCharacter(IDC_VOLATC, "", '7'));
}

TEST(TunedeskValues, TheThreeDRule) {
    struct Case {
        bool allow3d, cone;
        bool coneEnabled, machEnabled, rcsEnabled;
    };
    const Case cases[] = {
        {true, true, true, true, true},
        {true, false, true, false, true},
        {false, true, false, false, false},
        {false, false, false, false, false},
    };
    for (const Case& c : cases) {
        const tunedesk::ThreeDEnabling enabling = tunedesk::threeDEnabling(c.allow3d, c.cone);
        EXPECT_EQ(enabling.projectionCone, c.coneEnabled);
        EXPECT_EQ(enabling.machConeSilence, c.machEnabled);
        EXPECT_EQ(enabling.rcsPositioning, c.rcsEnabled);
    }
}
