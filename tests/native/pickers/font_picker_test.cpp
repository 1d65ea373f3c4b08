#include "pickers/font_picker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "doubles/fake_ansi_code_page.h"
#include "doubles/fake_common_dialogs.h"

namespace morvane {
namespace {

constexpr WindowId kIndicator = 0x4321;
constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x00FF00;
const std::wstring kTitle = L"Morvane3\u2122 - Set Font & Color";

class FakeFontTarget : public FontTarget {
public:
    WindowId hWnd() const override { return kIndicator; }
    const StdFont& Font() const override { return font; }
    void SetFont(const StdFont& newFont) override {
        font = newFont;
        ++changes;
    }
    Colour ForeColor() const override { return foreColor; }
    void SetForeColor(Colour colour) override {
        foreColor = colour;
        ++changes;
    }
    std::int32_t PixelsPerInchY() const override { return pixelsPerInch; }

    StdFont font;
    Colour foreColor = kRed;
    std::int32_t pixelsPerInch = 120;
    int changes = 0;
};

class FontPickerTest : public ::testing::Test {
protected:
    void SetUp() override {
        target.font.Name = L"Tahoma";
        target.font.Size = SettingsNumber::FromScaled(82500);
        target.font.SetBold(true);
        FontDescription picked;
        picked.height = -20;  // 12 points at 120 dots per inch
        picked.weight = 400;
        picked.underline = 1;
        const std::string name = "Verdana";
        std::copy(name.begin(), name.end(), picked.faceName.begin());
        dialogs.pickedFont = picked;
        dialogs.pickedTextColour = kGreen;
    }

    FakeAnsiCodePage ansi;
    FakeFontTarget target;
    FakeCommonDialogs dialogs;
};

TEST_F(FontPickerTest, OpensOnTheTargetsFontAndColourAtItsResolution) {
    ShowFontDialog(dialogs, ansi, target, kTitle);
    ASSERT_EQ(dialogs.fontOpenings.size(), 1u);
    const FakeCommonDialogs::FontOpening& opening = dialogs.fontOpenings[0];
    EXPECT_EQ(opening.owner, kIndicator);
    EXPECT_EQ(opening.title, kTitle);
    EXPECT_EQ(opening.textColour, kRed);
    EXPECT_EQ(opening.font.height, -13) << "8.25 points open as 8 at 120 dots per inch";
    EXPECT_EQ(opening.font.weight, 700);
    EXPECT_EQ(opening.font.faceName[0], 'T');
}

TEST_F(FontPickerTest, ConfirmedReplacesTheTargetsFontAndColour) {
    EXPECT_EQ(ShowFontDialog(dialogs, ansi, target, kTitle), FontDialogResult::Confirmed);
    EXPECT_EQ(target.font.Name, L"Verdana");
    EXPECT_EQ(target.font.Size, SettingsNumber(12));
    EXPECT_FALSE(target.font.Bold());
    EXPECT_TRUE(target.font.Underline);
    EXPECT_EQ(target.foreColor, kGreen);
}

TEST_F(FontPickerTest, CancelledOrNoMemoryChangesNothing) {
    for (const FontDialogResult answer : {FontDialogResult::Cancelled, FontDialogResult::NoMemory}) {
        dialogs.fontAnswer = answer;
        EXPECT_EQ(ShowFontDialog(dialogs, ansi, target, kTitle), answer);
    }
    EXPECT_EQ(target.changes, 0);
    EXPECT_EQ(target.font.Name, L"Tahoma");
    EXPECT_EQ(target.foreColor, kRed);
}

} // namespace
} // namespace morvane
