#include "startup/startup.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "about/about_host.h"
#include "doubles/fake_ansi_code_page.h"
#include "doubles/fake_process_facts.h"
#include "doubles/fake_profile_files.h"
#include "doubles/fake_registry.h"
#include "doubles/recording_startup_windows.h"

namespace morvane {
namespace {

using Calls = std::vector<std::string>;

constexpr RegistryRoot kHkcu = reg::kHkeyCurrentUser;
const std::wstring kLocationKey = L"SOFTWARE\\Zantor Ltd\\Morvane3";
const std::wstring kAppPathsKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Morvane3.exe";
const std::wstring kRunValue = L"Morvane Language Badge \u00AE";
const std::wstring kSettingsFile = L"C:\\Tools\\Morvane3.dat";

class StartupTest : public ::testing::Test {
protected:
    AfterLoad Start() { return StartTheProgram(startup, windows); }

    void AcceptedBefore(const std::string& directory) { registry.PutText(kHkcu, kLocationKey, L"", directory); }
    void PutRunValue(const std::string& path) { registry.PutText(kHkcu, kAutostartRunKey, kRunValue, path); }
    std::optional<std::wstring> Stored(const std::wstring& key, const std::wstring& name) const {
        if (!registry.StoredValue(kHkcu, key, name)) return std::nullopt;
        return access.RegReadText(kHkcu, key, name);
    }
    std::optional<std::wstring> RunValue() const { return Stored(kAutostartRunKey, kRunValue); }

    FakeRegistry registry;
    FakeAnsiCodePage ansi;
    RegistryAccess access{registry, ansi};
    FakeProfileFiles files;
    SettingsStore store{files};
    FakeProcessFacts process;
    RecordingStartupWindows windows;
    std::int32_t aboutMode = 0;
    Startup startup{aboutMode, process, access, store, windows};
};

// Initialize and the second copy.

TEST_F(StartupTest, ASecondCopyEndsBeforeLookingAtAnything) {
    process.anotherInstance = true;
    AcceptedBefore("C:\\Tools");
    EXPECT_EQ(Start(), AfterLoad::Ended);
    EXPECT_TRUE(registry.keyCalls.empty()) << "the location check never ran";
    EXPECT_TRUE(windows.calls.empty());
}

TEST_F(StartupTest, HelpSwitchesThatAreNotExactEndASecondCopy) {
    process.anotherInstance = true;
    for (const wchar_t* text : {L"/HELP", L"/? ", L"/help now"}) {
        process.commandLineText = text;
        EXPECT_EQ(Start(), AfterLoad::Ended) << "command line: " << testing::PrintToString(std::wstring(text));
        EXPECT_EQ(aboutMode, about_mode::kFirstRun);
    }
}

TEST_F(StartupTest, HelpWhileAnotherCopyRunsShowsTheHelpDialogAndTouchesNothing) {
    process.anotherInstance = true;
    process.commandLineText = L"/?";
    AcceptedBefore("C:\\Tools");
    EXPECT_EQ(Start(), AfterLoad::DialogShown);
    EXPECT_EQ(aboutMode, about_mode::kHelp);
    EXPECT_TRUE(windows.calls.empty()) << "accepted here, in help mode: no mark and no acceptance";
    EXPECT_EQ(registry.writes + registry.creates, 0);
    EXPECT_EQ(files.Accesses(), 0);
}

TEST_F(StartupTest, HelpFromANewLocationSetsTheMarkButAcceptsNothing) {
    process.commandLineText = L"/help";
    EXPECT_EQ(Start(), AfterLoad::DialogShown);
    EXPECT_EQ(windows.calls, (Calls{"SetNewLocationMark *"}));
}

// The first start at a location.

TEST_F(StartupTest, FirstStartShowsTheDialogWithTheMarkAndWritesNothingBeforeYes) {
    EXPECT_EQ(Start(), AfterLoad::DialogShown);
    EXPECT_EQ(windows.newLocationMark, L"*");
    EXPECT_EQ(registry.writes + registry.creates, 0) << "\"&No\" from here leaves the registry as it was";
    EXPECT_EQ(files.Accesses(), 0) << "and the settings file";
    EXPECT_FALSE(windows.menuLoaded);
    EXPECT_FALSE(windows.indicatorLoaded);
}

TEST_F(StartupTest, YesOnTheFirstStartWritesEveryEntryAndSwitchesAutostartOn) {
    ASSERT_EQ(Start(), AfterLoad::DialogShown);
    startup.OnYes();
    EXPECT_EQ(RunValue(), L"C:\\Tools\\Morvane3.exe");
    EXPECT_TRUE(windows.startChecked);
    EXPECT_EQ(Stored(kLocationKey, L""), L"C:\\Tools");
    EXPECT_EQ(Stored(kLocationKey, L"CurrentVersion"), L"3.23");
    EXPECT_EQ(Stored(kAppPathsKey, L""), L"C:\\Tools\\Morvane3.exe");
    EXPECT_EQ(Stored(kAppPathsKey, L"Path"), L"C:\\Tools");
    EXPECT_TRUE(windows.indicatorShown);
    EXPECT_FALSE(windows.dialogLoaded);
}

TEST_F(StartupTest, TheAcceptanceRunsItsStepsInOrder) {
    ASSERT_EQ(Start(), AfterLoad::DialogShown);
    std::vector<std::string> seen;
    windows.onCall = [&](const std::string& call) {
        seen.push_back(call + (RunValue() ? " run" : "") + (Stored(kLocationKey, L"CurrentVersion") ? " location" : "") +
                       (Stored(kAppPathsKey, L"Path") ? " paths" : "") + (files.reads > 0 ? " settings" : ""));
    };
    startup.OnYes();
    EXPECT_EQ(seen, (Calls{
                        "LoadMenuHolder",
                        "SetStartChecked 0",
                        "SetStartChecked 1 run",
                        "LoadIndicatorAndGetTag run location paths",
                        "SetTransparentChecked 0 run location paths settings",
                        "GiveIndicatorTheDialogIcon run location paths settings",
                        "ShowIndicator run location paths settings",
                        "CloseDialog run location paths settings",
                    }));
}

TEST_F(StartupTest, AFailedAutostartLeavesStartUncheckedAndTheIndicatorStillStarts) {
    registry.failSet = true;
    ASSERT_EQ(Start(), AfterLoad::DialogShown);
    startup.OnYes();
    EXPECT_FALSE(windows.startChecked);
    EXPECT_EQ(windows.calls.at(2), "SetStartChecked 0");
    EXPECT_EQ(windows.calls.at(3), "LoadIndicatorAndGetTag") << "not checked after a refused write";
    EXPECT_TRUE(windows.indicatorShown);
    EXPECT_FALSE(windows.dialogLoaded);
}

TEST_F(StartupTest, AnUnreadableLocationKeyCountsAsANewLocation) {
    AcceptedBefore("C:\\Tools");
    registry.failOpen = true;
    EXPECT_EQ(Start(), AfterLoad::DialogShown);
    EXPECT_EQ(windows.newLocationMark, L"*");
}

// Later starts.

TEST_F(StartupTest, TheSameLocationAcceptsUnseenAndKeepsAutostartThatWasSwitchedOff) {
    AcceptedBefore("C:\\Tools");
    EXPECT_EQ(Start(), AfterLoad::AcceptedUnseen);
    EXPECT_EQ(windows.newLocationMark, L"");
    EXPECT_FALSE(RunValue()) << "autostart stays off";
    EXPECT_FALSE(windows.startChecked);
    EXPECT_EQ(windows.calls.at(1), "SetStartChecked 0");
    EXPECT_TRUE(windows.indicatorShown);
}

TEST_F(StartupTest, TheSameLocationChecksStartExactlyWhenTheRunValueNamesThisExecutable) {
    AcceptedBefore("C:\\Tools");
    PutRunValue("C:\\Tools\\Morvane3.exe");
    EXPECT_EQ(Start(), AfterLoad::AcceptedUnseen);
    EXPECT_TRUE(windows.startChecked);

    windows = {};
    PutRunValue("c:\\tools\\Morvane3.exe");
    EXPECT_EQ(Start(), AfterLoad::AcceptedUnseen);
    EXPECT_FALSE(windows.startChecked) << "other letter case is another path";
    EXPECT_EQ(RunValue(), L"c:\\tools\\Morvane3.exe") << "and autostart is not rewritten";
}

TEST_F(StartupTest, AMovedExecutableIsANewLocationAndAcceptingSwitchesAutostartToItsPath) {
    AcceptedBefore("C:\\Tools");
    PutRunValue("C:\\Tools\\Morvane3.exe");
    process.directory = L"D:\\Moved";
    EXPECT_EQ(Start(), AfterLoad::DialogShown);
    EXPECT_EQ(windows.newLocationMark, L"*");
    startup.OnYes();
    EXPECT_EQ(RunValue(), L"D:\\Moved\\Morvane3.exe");
    EXPECT_TRUE(windows.startChecked);
    EXPECT_EQ(Stored(kLocationKey, L""), L"D:\\Moved");
}

TEST_F(StartupTest, AStoredDirectoryInOtherLetterCaseIsANewLocation) {
    AcceptedBefore("c:\\TOOLS");
    EXPECT_EQ(Start(), AfterLoad::DialogShown);
    EXPECT_EQ(windows.newLocationMark, L"*");
    EXPECT_FALSE(windows.menuLoaded);
}

TEST_F(StartupTest, ASecondCopyAcceptedElsewhereSendsTheFirstBackToTheDialog) {
    process.directory = L"D:\\Copy";
    ASSERT_EQ(Start(), AfterLoad::DialogShown);
    startup.OnYes();
    EXPECT_EQ(RunValue(), L"D:\\Copy\\Morvane3.exe");

    windows = {};
    process.directory = L"C:\\Tools";
    EXPECT_EQ(Start(), AfterLoad::DialogShown) << "the location key names the second copy's directory";
}

// The transparency marks.

TEST_F(StartupTest, TransparentIsCheckedOnlyForAStoredOne) {
    const struct {
        std::optional<std::wstring> stored;
        bool checked;
    } cases[] = {{L"1", true}, {std::nullopt, false}, {L"0", false}, {L"2", false}, {L"-1", false}};
    AcceptedBefore("C:\\Tools");
    for (const auto& c : cases) {
        files = {};
        if (c.stored) files.PutValue(kSettingsFile, L"Main", L"Transparent", *c.stored);
        windows = {};
        windows.transparentChecked = !c.checked;
        ASSERT_EQ(Start(), AfterLoad::AcceptedUnseen);
        EXPECT_EQ(windows.transparentChecked, c.checked)
            << "Transparent = " << testing::PrintToString(c.stored.value_or(L"(missing)"));
    }
}

TEST_F(StartupTest, TheSettingsAreReadFromTheIndicatorsTag) {
    AcceptedBefore("C:\\Tools");
    windows.indicatorTag = L"E:\\Elsewhere\\Other.dat";
    files.PutValue(L"E:\\Elsewhere\\Other.dat", L"Main", L"Transparent", L"1");
    ASSERT_EQ(Start(), AfterLoad::AcceptedUnseen);
    EXPECT_TRUE(windows.transparentChecked);
}

} // namespace
} // namespace morvane
