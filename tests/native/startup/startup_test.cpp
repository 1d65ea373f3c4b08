// The start-up: the mode from the command line, the second copy, the
// location check and the acceptance.
#include <gtest/gtest.h>

#include "doubles/fake_process_facts.h"
#include "doubles/fake_system.h"
#include "doubles/fake_windows.h"
#include "startup/startup.h"

namespace morvane {
namespace {

const std::wstring kLocationKey = L"SOFTWARE\\Zantor Ltd\\Morvane3";
const std::wstring kAppPaths = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Morvane3.exe";
const std::wstring kRunValue = L"Morvane Language Badge \u00AE";

struct Start : ::testing::Test {
    // Initialize and the dialog's Load as the program runs them: "ended",
    // "accepted" unseen, or the "dialog" waiting for an answer.
    std::string Run() {
        const AboutMode mode = startup.Initialize();
        if (!startup.OnLoadChecks(mode)) return "ended";
        startup.OnLoadLocationCheck(mode);
        return windows.steps.empty() ? "dialog" : "accepted";
    }
    std::string Location() const { return calls.Text(32, kLocationKey, L"").value_or("-"); }
    std::string Run_() const { return calls.Text(32, kAutostartRunKey, kRunValue).value_or("-"); }
    FakeRegistry calls;
    FakeAnsiCodePage ansi;
    RegistryAccess registry{calls, ansi};
    FakeProfileFiles files;
    SettingsStore store{files};
    FakeProcessFacts process;
    FakeStartupWindows windows;
    Startup startup{process, registry, store, windows};
};

TEST_F(Start, Scenarios) {
    // What is there before the start, and what the start leads to (before any answer). The journeys of the
    // first and second start see a second copy end, "/?" beside a running copy, and an accepted folder.
    const char *T = "C:\\Tools", *E = "C:\\Tools\\Morvane3.exe", *O = "C:\\Old\\Morvane3.exe";
    const struct { const wchar_t* commandLine; bool another; const char* stored; const char* run;
                   std::string outcome, mark, location, runAfter; bool startChecked; } rows[] = {
        {L"/HELP", true, "-", "-", "ended", "", "-", "-", false},
        {L"/? ", true, "-", "-", "ended", "", "-", "-", false},
        {L"/help /?", true, "-", "-", "ended", "", "-", "-", false},
        {L"/help", true, "-", "-", "dialog", "*", "-", "-", false},
        {L"/?", false, "C:\\Old", "-", "dialog", "*", "C:\\Old", "-", false},
        {L"", false, "-", "-", "dialog", "*", "-", "-", false},
        {L"", false, "C:\\tools", "-", "dialog", "*", "C:\\tools", "-", false},
        {L"", false, "C:\\Tools\\", "-", "dialog", "*", "C:\\Tools\\", "-", false},
        {L"", false, T, E, "accepted", "", T, E, true},
        {L"", false, T, O, "accepted", "", T, O, false}};
    for (const auto& row : rows) {
        std::tie(calls, windows, process.commandLineText, process.anotherInstance) =
            std::tuple(FakeRegistry{}, FakeStartupWindows{}, row.commandLine, row.another);
        if (std::string(row.stored) != "-") calls.PutText(32, kLocationKey, L"", row.stored);
        if (std::string(row.run) != "-") calls.PutText(32, kAutostartRunKey, kRunValue, row.run);
        const std::string outcome = Run();
        EXPECT_EQ(std::tuple(outcome, windows.mark, Location(), Run_(), windows.start),
                  std::tuple(row.outcome, std::wstring(row.mark.begin(), row.mark.end()), row.location, row.runAfter,
                             row.startChecked)) << row.commandLine << (row.another ? " beside another" : "") << " stored "
                                                << row.stored << " run " << row.run;
    }
}

// The registry as it was at the first start (an old location and autostart); "&Yes".
TEST_F(Start, AcceptanceWritesTheRegistryBeforeTheIndicatorAndSurvivesAFailedWrite) {
    calls.PutText(32, kLocationKey, L"", "C:\\Old");
    calls.PutText(32, kAutostartRunKey, kRunValue, "C:\\Old\\Morvane3.exe");
    files.PutValue(L"C:\\Tools\\Morvane3.dat", L"Main", L"Transparent", L"1");
    std::string seenAtIndicator;
    windows.onIndicator = [&] {
        seenAtIndicator = Location() + " " + Run_() + " " + calls.Text(32, kAppPaths, L"Path").value_or("");
    };
    ASSERT_EQ(Run(), "dialog");
    startup.OnYes();
    EXPECT_EQ(std::tuple(seenAtIndicator, windows.steps, windows.start, windows.transparent),
              std::tuple("C:\\Tools C:\\Tools\\Morvane3.exe C:\\Tools",
                         std::vector<std::string>{"menu", "indicator", "icon", "show", "close"}, true, true));
    calls = {};
    calls.failCreate = true;
    windows = {};
    windows.mark = L"*";
    startup.OnYes();
    EXPECT_EQ(std::tuple(windows.start, windows.steps.back()), std::tuple(false, "close"));
}

} // namespace
} // namespace morvane
