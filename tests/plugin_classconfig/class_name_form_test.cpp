#include "plugin/classconfig/class_name_form.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using zephyrin::classFileNameForm;

struct FormCase {
    const char* className;
    const char* form;
};

class ClassNameForm : public testing::TestWithParam<FormCase> {};

TEST_P(ClassNameForm, NamesTheFileAndFolder) {
    char form[256];
    ASSERT_TRUE(classFileNameForm(GetParam().className, form, sizeof form));
    EXPECT_STREQ(form, GetParam().form);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ClassNameForm,
    testing::Values(FormCase{"Tanker", "Tanker"}, FormCase{"Cargo-Ship 2", "Cargo_Ship_2"},
                    FormCase{"XR-2 (Ravenstar)!", "XR_2__Ravenstar__"},
                    FormCase{"Fleet\\Tug", "TugB"}, FormCase{"Fleet/Tug", "TugB"},
                    FormCase{"Navy\\Fleet\\Tug", "TugBC"},
                    // The cut leaves nothing at the index: no read or
                    // write past the new end.
                    FormCase{"AB\\C", "CB"}, FormCase{"\\", "B"}, FormCase{"", ""}));

TEST(ClassNameFormLimits, NoNameOrATooLongNameGivesNoForm) {
    char form[8] = "x";
    EXPECT_FALSE(classFileNameForm(nullptr, form, sizeof form));
    EXPECT_STREQ(form, "");
    EXPECT_FALSE(classFileNameForm("EightChr", form, sizeof form));
    EXPECT_STREQ(form, "");
    EXPECT_TRUE(classFileNameForm("SevenCh", form, sizeof form));
}

} // namespace
