#include "host/day_number.h"
#include "sdk/VoranthAPI.h"

#include <gtest/gtest.h>

namespace {

struct DateCase {
    const char* text;
    std::optional<int> days;
};

class DayNumber : public testing::TestWithParam<DateCase> {};

TEST_P(DayNumber, CountsDaysFromTheFirstOf2000) {
    EXPECT_EQ(vrhost::dayNumber(GetParam().text), GetParam().days);
}

INSTANTIATE_TEST_SUITE_P(Dates, DayNumber,
                         testing::Values(DateCase{"Jan  1 2000", 0}, DateCase{"Jan 02 2000", 1},
                                         DateCase{"Mar  1 2000", 60}, DateCase{"Aug 30 2010", 3894},
                                         DateCase{"Nov 20 2012", 4707}, DateCase{"Dec 31 1999", -1},
                                         DateCase{"Feb 30 2010", std::nullopt},
                                         DateCase{"Foo 10 2010", std::nullopt},
                                         DateCase{"Aug 30", std::nullopt},
                                         DateCase{"", std::nullopt},
                                         DateCase{"Aug 30 2010 extra", std::nullopt}));

TEST(Date2Int, AnswersZeroForTextThatIsNoDate) {
    EXPECT_EQ(Date2Int(VORANTH_SDK_DATE), 3894);
    EXPECT_EQ(Date2Int("not a date"), 0);
    EXPECT_EQ(Date2Int(nullptr), 0);
}

} // namespace
