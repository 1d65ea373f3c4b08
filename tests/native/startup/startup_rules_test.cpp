#include "startup/startup_rules.h"

#include <gtest/gtest.h>

#include "about/about_host.h"
#include "doubles/fake_process_facts.h"

namespace morvane {
namespace {

TEST(AboutModeForCommandLine, ExactlyOneOfTheTwoSwitchesGivesHelpMode) {
    EXPECT_EQ(AboutModeForCommandLine(L"/help"), about_mode::kHelp);
    EXPECT_EQ(AboutModeForCommandLine(L"/?"), about_mode::kHelp);
}

TEST(AboutModeForCommandLine, AnythingElseGivesFirstRunMode) {
    EXPECT_EQ(AboutModeForCommandLine(L""), about_mode::kFirstRun);
    EXPECT_EQ(AboutModeForCommandLine(L"/HELP"), about_mode::kFirstRun) << "letter case counts";
    EXPECT_EQ(AboutModeForCommandLine(L"/Help"), about_mode::kFirstRun);
    EXPECT_EQ(AboutModeForCommandLine(L"/? "), about_mode::kFirstRun) << "a trailing blank is part of the text";
    EXPECT_EQ(AboutModeForCommandLine(L"/help /?"), about_mode::kFirstRun) << "further arguments";
    EXPECT_EQ(AboutModeForCommandLine(L"-?"), about_mode::kFirstRun);
    EXPECT_EQ(AboutModeForCommandLine(L"\"/?\""), about_mode::kFirstRun) << "quotes are not taken off";
}

TEST(SecondCopyEnds, OnlyWhenAnotherRunsAndNoHelpWasAskedFor) {
    EXPECT_TRUE(SecondCopyEnds(about_mode::kFirstRun, true));
    EXPECT_FALSE(SecondCopyEnds(about_mode::kHelp, true)) << "the help text is shown beside a running copy";
    EXPECT_FALSE(SecondCopyEnds(about_mode::kFirstRun, false));
    EXPECT_FALSE(SecondCopyEnds(about_mode::kHelp, false));
}

TEST(RegistryKeyNames, LocationKeyAndApplicationPathEntryFollowTheVersionRecordAndBaseName) {
    EXPECT_EQ(LocationKeyOf(FakeProcessFacts{}.version), L"SOFTWARE\\Zantor Ltd\\Morvane3");
    EXPECT_EQ(AppPathsKeyOf(L"Morvane3"), L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Morvane3.exe");
    EXPECT_EQ(AppPathsKeyOf(L"Badge copy"),
              L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Badge copy.exe");
}

TEST(LocationCheckOutcome, TheSameDirectoryAcceptsAtOnceInFirstRunModeOnly) {
    EXPECT_EQ(LocationCheckOutcome(L"C:\\Tools", L"C:\\Tools", about_mode::kFirstRun), LocationOutcome::Accept);
    EXPECT_EQ(LocationCheckOutcome(L"C:\\Tools", L"C:\\Tools", about_mode::kHelp), LocationOutcome::Nothing);
    EXPECT_EQ(LocationCheckOutcome(L"C:\\Tools", L"C:\\Tools", about_mode::kAbout), LocationOutcome::Nothing);
}

TEST(LocationCheckOutcome, AnyDifferenceIsANewLocationWhateverTheMode) {
    EXPECT_EQ(LocationCheckOutcome(L"C:\\Old", L"C:\\Tools", about_mode::kFirstRun), LocationOutcome::NewLocation);
    EXPECT_EQ(LocationCheckOutcome(L"c:\\tools", L"C:\\Tools", about_mode::kFirstRun), LocationOutcome::NewLocation)
        << "letter case counts";
    EXPECT_EQ(LocationCheckOutcome(L"C:\\Tools\\", L"C:\\Tools", about_mode::kFirstRun), LocationOutcome::NewLocation);
    EXPECT_EQ(LocationCheckOutcome(L"C:\\Old", L"C:\\Tools", about_mode::kHelp), LocationOutcome::NewLocation);
}

TEST(LocationCheckOutcome, NothingStoredIsNeverAMatch) {
    EXPECT_EQ(LocationCheckOutcome(L"", L"C:\\Tools", about_mode::kFirstRun), LocationOutcome::NewLocation);
    EXPECT_EQ(LocationCheckOutcome(L"", L"", about_mode::kFirstRun), LocationOutcome::NewLocation)
        << "an executable whose directory is unknown is not accepted unseen";
}

} // namespace
} // namespace morvane
