#include "menu/control_menu_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "about/about_host.h"
#include "doubles/fake_ansi_code_page.h"
#include "doubles/fake_common_dialogs.h"
#include "doubles/fake_profile_files.h"
#include "doubles/fake_registry.h"
#include "doubles/recording_command_windows.h"

namespace morvane {
namespace {

using Log = CommandLog;

constexpr RegistryRoot kHkcu = reg::kHkeyCurrentUser;
const std::wstring kSettingsFile = L"C:\\Tools\\Morvane3.dat";
const std::wstring kRunValue = L"Morvane Language Badge \u00AE";
const std::wstring kExecutable = L"C:\\Tools\\Morvane3.exe";
constexpr Colour kGreen = 0x00FF00;

std::string Narrow(const std::wstring& text) {
    std::string narrow;
    std::transform(text.begin(), text.end(), std::back_inserter(narrow),
                   [](wchar_t c) { return static_cast<char>(c); });
    return narrow;
}

// Settings writes go to the same list as what is done to the windows.
class LoggedProfileFiles : public FakeProfileFiles {
public:
    explicit LoggedProfileFiles(Log& log) : log_(log) {}
    bool WriteString(const std::wstring& file, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override {
        log_.push_back("write " + Narrow(section) + "/" + Narrow(key) + "=" + Narrow(value) +
                       (file == kSettingsFile ? "" : " to another file"));
        return FakeProfileFiles::WriteString(file, section, key, value);
    }

private:
    Log& log_;
};

class LoggedCommonDialogs : public FakeCommonDialogs {
public:
    explicit LoggedCommonDialogs(Log& log) : log_(log) {}
    bool PickColour(WindowId owner, std::uint32_t& colour, CustomColourArray& customColours,
                    const std::wstring& title) override {
        log_.push_back("PickColour");
        return FakeCommonDialogs::PickColour(owner, colour, customColours, title);
    }
    FontDialogResult PickFont(WindowId owner, FontDescription& font, std::uint32_t& textColour,
                              const std::wstring& title) override {
        log_.push_back("PickFont");
        return FakeCommonDialogs::PickFont(owner, font, textColour, title);
    }

private:
    Log& log_;
};

class ControlMenuCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { fwMain.tag = kSettingsFile; }

    void PutSetting(const std::wstring& key, const std::wstring& value) {
        files.PutValue(kSettingsFile, L"Main", key, value);
    }
    std::optional<std::wstring> Stored(const std::wstring& section, const std::wstring& key) const {
        return files.StoredValue(kSettingsFile, section, key);
    }
    std::optional<FakeRegistry::Value> RunValue() const {
        return registry.StoredValue(kHkcu, kAutostartRunKey, kRunValue);
    }

    Log log;
    RecordingIndicator fwMain{log};
    RecordingMenu fwMenu{log};
    RecordingCommandDialogs dialogs{log};
    LoggedCommonDialogs pickers{log};
    LoggedProfileFiles files{log};
    FakeAnsiCodePage ansi;
    SettingsStore store{files};
    FakeRegistry registry;
    RegistryAccess access{registry, ansi};
    std::int32_t aboutMode = about_mode::kFirstRun;
    ControlMenuCommands commands{{fwMain, fwMenu, dialogs},
                                 {pickers, ansi, store, access, {kRunValue, kExecutable}},
                                 aboutMode,
                                 L"Morvane3\u2122"};
};

TEST(MenuDialogTitle, IsTheTrademarkAndThePlainCaption) {
    EXPECT_EQ(MenuDialogTitle(L"Morvane3\u2122", PopupItem::Font), L"Morvane3\u2122 - Set Font & Color");
    EXPECT_EQ(MenuDialogTitle(L"Morvane3\u2122", PopupItem::BackColor), L"Morvane3\u2122 - Set Background Color");
    EXPECT_EQ(MenuDialogTitle(L"Morvane3\u2122", PopupItem::Position), L"Morvane3\u2122 - Set Position");
}

// "Set &Font && Color..."

TEST_F(ControlMenuCommandsTest, ConfirmedFontIsPaintedThenWrittenTextColourFirst) {
    FontDescription verdana;
    verdana.height = -16;  // 12 points at 96 dots per inch
    verdana.weight = 700;
    verdana.italic = 1;
    const std::string name = "Verdana";
    std::copy(name.begin(), name.end(), verdana.faceName.begin());
    pickers.pickedFont = verdana;
    pickers.pickedTextColour = kGreen;

    commands.FontClick();

    EXPECT_EQ(log, (Log{"fwMain.Hide", "PickFont", "fwMain.SetFont", "fwMain.SetForeColor", "fwMain.Show",
                        "fwMain.zPaintCursor", "write Main/ForeColor=00FF00", "write Font/Name=Verdana",
                        "write Font/Size=12", "write Font/Charset=0", "write Font/Weight=700", "write Font/Bold=1",
                        "write Font/Italic=1", "write Font/Under=0", "write Font/Strike=0"}));
    ASSERT_EQ(pickers.fontOpenings.size(), 1u);
    EXPECT_EQ(pickers.fontOpenings[0].owner, fwMain.id) << "the indicator is the font dialog's target";
    EXPECT_EQ(pickers.fontOpenings[0].textColour, 0x0000FFu) << "opened on the indicator's text colour";
    EXPECT_EQ(pickers.fontOpenings[0].title, L"Morvane3\u2122 - Set Font & Color");
}

TEST_F(ControlMenuCommandsTest, FontDialogNotConfirmedChangesAndWritesNothing) {
    for (const FontDialogResult answer : {FontDialogResult::Cancelled, FontDialogResult::NoMemory}) {
        log.clear();
        pickers.fontAnswer = answer;
        pickers.pickedTextColour = kGreen;
        commands.FontClick();
        EXPECT_EQ(log, (Log{"fwMain.Hide", "PickFont", "fwMain.Show"})) << static_cast<int>(answer);
        EXPECT_EQ(fwMain.foreColor, 0x0000FFu);
    }
    EXPECT_EQ(files.writes, 0);
}

// "Set &Background Color..."

TEST_F(ControlMenuCommandsTest, NewBackgroundColourIsSetPaintedAndWritten) {
    pickers.pickedColour = kGreen;
    pickers.editCustomColours = [](CustomColours& custom) { custom[0] = 0x123456; };

    commands.BackColorClick();

    EXPECT_EQ(log, (Log{"fwMain.Hide", "PickColour", "write ShowColor/Custom=123456",
                        "fwMain.Show", "fwMain.SetBackColor", "fwMain.zPaintCursor", "write Main/BackColor=00FF00"}));
    EXPECT_EQ(fwMain.backColor, kGreen);
    ASSERT_EQ(pickers.colourOpenings.size(), 1u);
    EXPECT_EQ(pickers.colourOpenings[0].owner, fwMenu.id) << "the menu holder owns the colour dialog";
    EXPECT_EQ(pickers.colourOpenings[0].colour, 0xFFFFFFu) << "opened on the colour in use";
    EXPECT_EQ(pickers.colourOpenings[0].title, L"Morvane3\u2122 - Set Background Color");
}

TEST_F(ControlMenuCommandsTest, CancelledColourDialogChangesAndWritesNothing) {
    pickers.pressOk = false;
    pickers.pickedColour = kGreen;
    commands.BackColorClick();
    EXPECT_EQ(log, (Log{"fwMain.Hide", "PickColour", "fwMain.Show"}));
    EXPECT_EQ(fwMain.backColor, 0xFFFFFFu);
    EXPECT_EQ(files.writes, 0);
}

TEST_F(ControlMenuCommandsTest, TheColourInUseChosenAgainIsNeitherPaintedNorStored) {
    pickers.pickedColour = 0xFFFFFF;
    commands.BackColorClick();
    EXPECT_EQ(std::count(log.begin(), log.end(), "fwMain.zPaintCursor"), 0);
    EXPECT_FALSE(Stored(L"Main", L"BackColor"));
}

// "&Transparent Background"

TEST_F(ControlMenuCommandsTest, SwitchingOnShowsTheHintWithTheIndicatorPausedThenCutsIt) {
    std::int32_t modeWhileUp = 0;
    bool hiddenAndStoppedWhileUp = false;
    dialogs.whileAboutIsUp = [&] {
        modeWhileUp = aboutMode;
        hiddenAndStoppedWhileUp = !fwMain.visible && !fwMain.timerEnabled;
    };

    commands.TransparentClick();

    EXPECT_EQ(log, (Log{"toLang.Off", "fwMain.Hide", "fwAbout.ShowModal", "fwMain.Show", "toLang.On",
                        "mPopupTransparent.Check", "write Main/Transparent=1", "fwMain.zPaintCursor"}));
    EXPECT_EQ(modeWhileUp, about_mode::kHint);
    EXPECT_TRUE(hiddenAndStoppedWhileUp);
    EXPECT_EQ(dialogs.aboutSettingsFile, kSettingsFile) << "where the hint keeps its check box";
    EXPECT_FALSE(fwMenu.backColorEnabled);
}

TEST_F(ControlMenuCommandsTest, SwitchingOnWithSilentSetIsImmediate) {
    PutSetting(L"Silent", L"1");
    commands.TransparentClick();
    EXPECT_EQ(log, (Log{"mPopupTransparent.Check", "write Main/Transparent=1", "fwMain.zPaintCursor"}));
}

TEST_F(ControlMenuCommandsTest, TheHintComesBackUntilItsBoxIsTicked) {
    auto hints = [&] { return std::count(log.begin(), log.end(), "fwAbout.ShowModal"); };
    commands.TransparentClick();
    commands.TransparentClick();
    commands.TransparentClick();
    EXPECT_EQ(hints(), 2) << "the box was not ticked: the hint shows at each switching on";

    dialogs.whileAboutIsUp = [&] { store.IniWriteNumber(kSettingsFile, L"Main", L"Silent", 1); };
    commands.TransparentClick();
    commands.TransparentClick();
    EXPECT_EQ(hints(), 3) << "off, then on with the hint, whose box is ticked";
    commands.TransparentClick();
    commands.TransparentClick();
    EXPECT_EQ(hints(), 3) << "no hint once its box was ticked";
    EXPECT_TRUE(fwMenu.transparent);
}

TEST_F(ControlMenuCommandsTest, SwitchingOffRepaintsThenRestoresTheFullRectangle) {
    fwMenu.transparent = true;
    fwMenu.backColorEnabled = false;
    commands.TransparentClick();
    EXPECT_EQ(log, (Log{"mPopupTransparent.Uncheck", "write Main/Transparent=0", "fwMain.zPaintCursor",
                        "fwMain.RestoreFullRectangle"}))
        << "no hint when switching off";
    EXPECT_TRUE(fwMenu.backColorEnabled);
}

// "Set &Position..."

TEST_F(ControlMenuCommandsTest, PositionStopsAndHidesTheIndicatorAndOpensTheDialog) {
    commands.PositionClick();
    EXPECT_EQ(log, (Log{"toLang.Off", "fwMain.Hide", "fwPos.Show"}))
        << "the dialog's zPosition_Return resumes the indicator";
    EXPECT_FALSE(fwMain.visible);
    EXPECT_FALSE(fwMain.timerEnabled);
    EXPECT_EQ(files.writes, 0);
}

TEST_F(ControlMenuCommandsTest, PositionDialogThatCannotOpenLeavesTheIndicatorRunning) {
    dialogs.positionOpens = false;
    commands.PositionClick();
    EXPECT_EQ(log, (Log{"toLang.Off", "fwMain.Hide", "fwPos.Show", "fwMain.Show", "toLang.On"}));
    EXPECT_TRUE(fwMain.visible);
    EXPECT_TRUE(fwMain.timerEnabled);
}

// "Set &Margin Width"

TEST_F(ControlMenuCommandsTest, NewMarginMovesTheMarkIsWrittenThenPainted) {
    commands.MarginClick(4);
    EXPECT_EQ(log, (Log{"mPopupMargin(1).Uncheck", "mPopupMargin(4).Check", "fwMain.SetMarginWidth 4",
                        "write Main/Margin=4", "fwMain.zPaintCursor"}));
}

TEST_F(ControlMenuCommandsTest, MarginZeroIsStoredAsZero) {
    commands.MarginClick(0);
    EXPECT_EQ(Stored(L"Main", L"Margin"), L"0");
    EXPECT_EQ(fwMain.margin, 0);
}

TEST_F(ControlMenuCommandsTest, TheMarginInUseChangesWritesAndPaintsNothing) {
    fwMain.margin = 3;
    commands.MarginClick(3);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(files.Accesses(), 0);
}

// "Start with &Windows"

TEST_F(ControlMenuCommandsTest, UncheckedStartSwitchesAutostartOnAndChecks) {
    commands.StartClick();
    ASSERT_TRUE(RunValue());
    EXPECT_EQ(access.RegReadText(kHkcu, kAutostartRunKey, kRunValue), kExecutable);
    EXPECT_EQ(log, (Log{"mPopupStart.Check"}));
    EXPECT_EQ(files.Accesses(), 0) << "autostart lives in the registry only";
}

TEST_F(ControlMenuCommandsTest, CheckedStartSwitchesAutostartOffAndUnchecks) {
    registry.PutText(kHkcu, kAutostartRunKey, kRunValue, "C:\\Tools\\Morvane3.exe");
    fwMenu.start = true;
    commands.StartClick();
    EXPECT_FALSE(RunValue());
    EXPECT_EQ(log, (Log{"mPopupStart.Uncheck"}));
}

TEST_F(ControlMenuCommandsTest, FailedAutostartSwitchLeavesTheMark) {
    registry.PutKey(kHkcu, kAutostartRunKey);
    fwMenu.start = true;
    commands.StartClick();
    EXPECT_TRUE(log.empty()) << "the value was removed elsewhere: deleting it fails";
    EXPECT_TRUE(fwMenu.start);

    fwMenu.start = false;
    registry.failSet = true;
    commands.StartClick();
    EXPECT_TRUE(log.empty()) << "the value could not be written";
    EXPECT_FALSE(fwMenu.start);
}

// "&About..."

TEST_F(ControlMenuCommandsTest, AboutShowsTheDialogModalWithTheIndicatorPaused) {
    std::int32_t modeWhileUp = 0;
    dialogs.whileAboutIsUp = [&] { modeWhileUp = aboutMode; };
    commands.AboutClick();
    EXPECT_EQ(log, (Log{"toLang.Off", "fwMain.Hide", "fwAbout.ShowModal", "fwMain.Show", "toLang.On"}));
    EXPECT_EQ(modeWhileUp, about_mode::kAbout);
    EXPECT_EQ(files.writes, 0);
}

// "&Quit"

TEST_F(ControlMenuCommandsTest, QuitUnloadsTheMenuHolderThenTheIndicatorAndWritesNothing) {
    commands.ExitClick();
    EXPECT_EQ(log, (Log{"fwMenu.Unload", "fwMain.Unload"}));
    EXPECT_EQ(files.Accesses(), 0);
    EXPECT_EQ(registry.writes + registry.creates, 0);
}

} // namespace
} // namespace morvane
