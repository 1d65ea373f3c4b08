#include "platform/win32/common_dialogs_win32.h"

#include <windows.h>

#include <colordlg.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "dialog_driver.h"
#include "pickers/colour_picker.h"
#include "pickers/font_picker.h"
#include "pickers/win32/window_font_target.h"
#include "platform/win32/ansi_code_page_win32.h"
#include "platform/win32/profile_files_win32.h"
#include "services/settings_store.h"
#include "win/platform/test_window.h"

namespace morvane::win32 {
namespace {

namespace fs = std::filesystem;
using test_support::DialogDriver;
using test_support::DialogFacts;

const std::wstring kColourTitle = L"Morvane3\u2122 - Set Background Color";
const std::wstring kFontTitle = L"Morvane3\u2122 - Set Font & Color";
constexpr Colour kWhite = 0xFFFFFF;
constexpr Colour kRed = 0x0000FF;

void ExpectCentredOnThePrimaryScreen(const RECT& outer) {
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    EXPECT_LE(std::abs(outer.left - (GetSystemMetrics(SM_CXSCREEN) - width) / 2), 1) << "left " << outer.left;
    EXPECT_LE(std::abs(outer.top - (GetSystemMetrics(SM_CYSCREEN) - height) / 2), 1) << "top " << outer.top;
}

void ExpectPreparedDialog(const DialogFacts& facts, const std::wstring& title) {
    ASSERT_TRUE(facts.found) << "the dialog did not come up";
    EXPECT_EQ(facts.caption, title);
    EXPECT_TRUE(facts.topmost);
    ExpectCentredOnThePrimaryScreen(facts.outer);
}

// Types a colour into the dialog's red, green and blue boxes and adds it to
// the first custom colour.
void MixColour(HWND dialog, BYTE red, BYTE green, BYTE blue) {
    SetDlgItemInt(dialog, COLOR_RED, red, FALSE);
    SetDlgItemInt(dialog, COLOR_GREEN, green, FALSE);
    SetDlgItemInt(dialog, COLOR_BLUE, blue, FALSE);
    SendMessageW(dialog, WM_COMMAND, MAKEWPARAM(COLOR_ADD, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, COLOR_ADD)));
}

class ColourDialogTest : public ::testing::Test {
protected:
    Win32CommonDialogs dialogs;
    std::array<std::int32_t, 16> custom{};
    std::uint32_t colour = kWhite;
};

TEST_F(ColourDialogTest, OpensTitledTopmostAndCentredAndCancelKeepsTheColour) {
    DialogDriver driver(IDCANCEL);
    EXPECT_FALSE(dialogs.PickColour(kNoWindow, colour, custom, kColourTitle));
    ExpectPreparedDialog(driver.Finish(), kColourTitle);
    EXPECT_EQ(colour, kWhite);
}

TEST_F(ColourDialogTest, OkGivesTheMixedColourAndTheCustomColours) {
    DialogDriver driver(IDOK, [](HWND dialog) { MixColour(dialog, 10, 20, 30); });
    EXPECT_TRUE(dialogs.PickColour(kNoWindow, colour, custom, kColourTitle));
    ASSERT_TRUE(driver.Finish().found);
    EXPECT_EQ(colour, RGB(10, 20, 30));
    EXPECT_EQ(custom[0], static_cast<std::int32_t>(RGB(10, 20, 30)));
}

TEST_F(ColourDialogTest, EmptyTitleLeavesTheDialogsOwnCaption) {
    DialogDriver driver(IDCANCEL);
    dialogs.PickColour(kNoWindow, colour, custom, L"");
    const DialogFacts& facts = driver.Finish();
    ASSERT_TRUE(facts.found);
    EXPECT_FALSE(facts.caption.empty());
    EXPECT_TRUE(facts.topmost);
}

// The picker with a real settings file in a fresh folder of the temp directory.
class ColourPickerFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1] = {};
        ASSERT_NE(GetTempPathW(MAX_PATH + 1, temp), 0u);
        folder = fs::path(temp) / (L"morvane-pickers-" + std::to_wstring(GetCurrentProcessId()));
        fs::remove_all(folder);
        ASSERT_TRUE(fs::create_directories(folder));
        file = (folder / L"Morvane3.dat").wstring();
    }
    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    std::wstring StoredCustom() const { return store.IniReadText(file, L"ShowColor", L"Custom", L"(none)"); }

    fs::path folder;
    std::wstring file;
    Win32AnsiCodePage ansi;
    Win32ProfileFiles files{ansi};
    SettingsStore store{files};
    Win32CommonDialogs dialogs;
};

TEST_F(ColourPickerFileTest, CustomColoursAreStoredOnlyAfterOk) {
    store.IniWriteText(file, L"ShowColor", L"Custom", L"0000FF");
    {
        DialogDriver driver(IDCANCEL, [](HWND dialog) { MixColour(dialog, 1, 2, 3); });
        EXPECT_EQ(ShowColorDialog(dialogs, store, kNoWindow, kWhite, kColourTitle, file), kWhite);
        ASSERT_TRUE(driver.Finish().found);
        EXPECT_EQ(StoredCustom(), L"0000FF");
    }
    DialogDriver driver(IDOK, [](HWND dialog) { MixColour(dialog, 0x12, 0x34, 0x56); });
    EXPECT_EQ(ShowColorDialog(dialogs, store, kNoWindow, kWhite, kColourTitle, file), RGB(0x12, 0x34, 0x56));
    ASSERT_TRUE(driver.Finish().found);
    EXPECT_EQ(StoredCustom(), L"563412") << "the new colour took the stored red's place";
}

class FontDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(indicator.LoadTopLevel());
        font.Name = L"Tahoma";
        font.Size = SettingsNumber::FromScaled(97500);
        font.SetBold(true);
    }

    // The indicator's part: its window, font and text colour.
    WindowFontTarget Target() { return WindowFontTarget(indicator.hWnd(), font, foreColor); }

    test_support::TestWindow indicator;
    StdFont font;
    Colour foreColor = kRed;
    Win32AnsiCodePage ansi;
    Win32CommonDialogs dialogs;
};

TEST_F(FontDialogTest, OpensTitledTopmostAndCentredAndCancelChangesNothing) {
    DialogDriver driver(IDCANCEL);
    WindowFontTarget target = Target();
    EXPECT_EQ(ShowFontDialog(dialogs, ansi, target, kFontTitle), FontDialogResult::Cancelled);
    ExpectPreparedDialog(driver.Finish(), kFontTitle);
    EXPECT_EQ(font.Size, SettingsNumber::FromScaled(97500));
    EXPECT_EQ(foreColor, kRed);
}

TEST_F(FontDialogTest, OkGivesTheOpeningFontInWholePoints) {
    DialogDriver driver(IDOK);
    WindowFontTarget target = Target();
    EXPECT_EQ(ShowFontDialog(dialogs, ansi, target, kFontTitle), FontDialogResult::Confirmed);
    ASSERT_TRUE(driver.Finish().found);
    EXPECT_EQ(font.Name, L"Tahoma");
    EXPECT_EQ(font.Size, SettingsNumber(10)) << "9.75 points open as 10";
    EXPECT_TRUE(font.Bold());
    EXPECT_FALSE(font.Italic);
    EXPECT_EQ(foreColor, kRed);
}

} // namespace
} // namespace morvane::win32
