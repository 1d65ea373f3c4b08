// The start-up against the system's registry. Every name it writes comes
// from the process facts, so a company, product and executable name of the
// test's own keep an installed program's entries out of reach.
#include "startup/startup.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "doubles/fake_process_facts.h"
#include "doubles/recording_startup_windows.h"
#include "platform/win32/ansi_code_page_win32.h"
#include "platform/win32/profile_files_win32.h"
#include "platform/win32/registry_win32.h"

namespace morvane::win32 {
namespace {

const std::wstring kRunKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

class StartupWithTheSystemRegistry : public ::testing::Test {
protected:
    StartupWithTheSystemRegistry() {
        const std::wstring id = std::to_wstring(GetCurrentProcessId());
        process.directory = L"C:\\Morvane3 Tests\\" + id;
        process.baseName = L"Morvane3Tests" + id;
        process.version.CompanyName = L"Zantor Ltd Tests " + id;
        process.version.ProductName = L"Morvane Tests Badge \u00AE " + id;
        companyKey = L"SOFTWARE\\" + process.version.CompanyName;
        locationKey = companyKey + L"\\Morvane3";
        appPathsKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + process.baseName + L".exe";
    }
    void SetUp() override { Clean(); }
    void TearDown() override { Clean(); }

    void Clean() const {
        RegDeleteTreeW(HKEY_CURRENT_USER, companyKey.c_str());
        RegDeleteTreeW(HKEY_CURRENT_USER, appPathsKey.c_str());
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kRunKey.c_str(), process.version.ProductName.c_str());
    }

    // Read with the system's own wide call, bypassing the code under test.
    static std::optional<std::wstring> Stored(const std::wstring& key, const std::wstring& name) {
        wchar_t data[1024] = {};
        DWORD size = sizeof data;
        if (RegGetValueW(HKEY_CURRENT_USER, key.c_str(), name.empty() ? nullptr : name.c_str(), RRF_RT_REG_SZ,
                         nullptr, data, &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return std::wstring(data);
    }
    std::optional<std::wstring> RunValue() const { return Stored(kRunKey, process.version.ProductName); }

    // A new process of the program: fresh windows and mode, the same registry.
    AfterLoad StartAgain() {
        windows = {};
        return StartTheProgram(startup, windows);
    }

    FakeProcessFacts process;
    std::wstring companyKey;
    std::wstring locationKey;
    std::wstring appPathsKey;

    Win32AnsiCodePage ansi;
    Win32Registry registryCalls;
    RegistryAccess registry{registryCalls, ansi};
    Win32ProfileFiles files{ansi};
    SettingsStore store{files};
    RecordingStartupWindows windows;
    std::int32_t aboutMode = 0;
    Startup startup{aboutMode, process, registry, store, windows};
};

TEST_F(StartupWithTheSystemRegistry, YesOnTheFirstStartWritesEveryEntry) {
    ASSERT_EQ(StartAgain(), AfterLoad::DialogShown);
    EXPECT_EQ(windows.newLocationMark, L"*");
    EXPECT_FALSE(Stored(locationKey, L"")) << "nothing before the answer";
    startup.OnYes();

    const std::wstring path = process.directory + L"\\" + process.baseName + L".exe";
    EXPECT_EQ(RunValue(), path);
    EXPECT_TRUE(windows.startChecked);
    EXPECT_EQ(Stored(locationKey, L""), process.directory);
    EXPECT_EQ(Stored(locationKey, L"CurrentVersion"), L"3.23");
    EXPECT_EQ(Stored(appPathsKey, L""), path);
    EXPECT_EQ(Stored(appPathsKey, L"Path"), process.directory);
}

TEST_F(StartupWithTheSystemRegistry, LaterStartsFollowTheStoredDirectoryExactly) {
    ASSERT_EQ(StartAgain(), AfterLoad::DialogShown);
    startup.OnYes();
    ASSERT_TRUE(registry.SwitchAutostartOff(AutostartEntry{process.version.ProductName, *RunValue()}));

    EXPECT_EQ(StartAgain(), AfterLoad::AcceptedUnseen);
    EXPECT_FALSE(windows.startChecked);
    EXPECT_FALSE(RunValue()) << "autostart switched off stays off";

    const std::wstring accepted = process.directory;
    process.directory = L"c:\\morvane3 tests\\" + std::to_wstring(GetCurrentProcessId());
    EXPECT_EQ(StartAgain(), AfterLoad::DialogShown) << "the directory in other letter case is a new location";
    EXPECT_EQ(Stored(locationKey, L""), accepted);
}

} // namespace
} // namespace morvane::win32
