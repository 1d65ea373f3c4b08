#include "pickers/colour_picker.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "doubles/fake_common_dialogs.h"
#include "doubles/fake_profile_files.h"

namespace morvane {
namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x00FF00;
constexpr Colour kBlue = 0xFF0000;
constexpr Colour kWhite = 0xFFFFFF;
constexpr WindowId kMenuWindow = 0x1234;
const std::wstring kTitle = L"Morvane3\u2122 - Set Background Color";

class ColourPickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        files.PutValue(file, L"ShowColor", L"Custom", L"0000FF  00FF00");
        dialogs.pickedColour = 0x123456;
        dialogs.editCustomColours = [](FakeCommonDialogs::CustomColourArray& colours) { colours[1] = kBlue; };
    }
    std::optional<std::wstring> StoredCustom() const { return files.StoredValue(file, L"ShowColor", L"Custom"); }

    const std::wstring file = L"C:\\Tools\\Morvane3.dat";
    FakeProfileFiles files;
    SettingsStore store{files};
    FakeCommonDialogs dialogs;
};

TEST_F(ColourPickerTest, OpensOnTheStoredCustomColoursAndTheInitialColour) {
    ShowColorDialog(dialogs, store, kMenuWindow, kWhite, kTitle, file);
    ASSERT_EQ(dialogs.colourOpenings.size(), 1u);
    const FakeCommonDialogs::ColourOpening& opening = dialogs.colourOpenings[0];
    EXPECT_EQ(opening.owner, kMenuWindow);
    EXPECT_EQ(opening.colour, kWhite);
    EXPECT_EQ(opening.title, kTitle);
    EXPECT_EQ(opening.customColours, (FakeCommonDialogs::CustomColourArray{kRed, 0, kGreen}));
}

TEST_F(ColourPickerTest, OkReturnsTheChoiceAndStoresTheEditedCustomColours) {
    EXPECT_EQ(ShowColorDialog(dialogs, store, kMenuWindow, kWhite, kTitle, file), 0x123456u);
    EXPECT_EQ(StoredCustom(), L"0000FF FF0000 00FF00");
}

TEST_F(ColourPickerTest, CancelReturnsTheInitialColourAndWritesNothing) {
    dialogs.pressOk = false;
    EXPECT_EQ(ShowColorDialog(dialogs, store, kMenuWindow, kWhite, kTitle, file), kWhite);
    EXPECT_EQ(files.writes, 0) << "custom colours edited in a cancelled dialog are dropped";
    EXPECT_EQ(StoredCustom(), L"0000FF  00FF00");
}

TEST_F(ColourPickerTest, WithoutASettingsFileCustomColoursStartBlackEachTimeAndAreNotKept) {
    EXPECT_EQ(ShowColorDialog(dialogs, store, kMenuWindow, kWhite, kTitle, L""), 0x123456u);
    EXPECT_EQ(ShowColorDialog(dialogs, store, kMenuWindow, kWhite, kTitle, L""), 0x123456u);
    ASSERT_EQ(dialogs.colourOpenings.size(), 2u);
    EXPECT_EQ(dialogs.colourOpenings[0].customColours, FakeCommonDialogs::CustomColourArray{});
    EXPECT_EQ(dialogs.colourOpenings[1].customColours, FakeCommonDialogs::CustomColourArray{})
        << "the first dialog's edits must not reach the second";
    EXPECT_EQ(files.Accesses(), 0);
}

} // namespace
} // namespace morvane
