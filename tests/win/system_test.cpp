// Contracts of the system calls behind the settings file, the registry and
// the process facts, against the real ones.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <thread>
#include <vector>

#include "platform/win32/ansi_code_page_win32.h"
#include "platform/win32/display_facts_win32.h"
#include "platform/win32/lazy_library.h"
#include "platform/win32/process_facts_win32.h"
#include "platform/win32/profile_files_win32.h"
#include "platform/win32/registry_win32.h"
#include "services/registry_access.h"
#include "services/settings_store.h"

namespace morvane::win32 {
namespace {

namespace fs = std::filesystem;

// A library planted beside the program under a name only it has (a copy of
// this program) loads by name until the search is restricted, and not after;
// system libraries still load. The build is the kernel's, whatever the manifest claims.
TEST(System, LibrarySearchLeavesTheProgramsFolderOutAndTheBuildIsTheSystemsOwn) {
    wchar_t self[MAX_PATH]{}, build[16]{};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const fs::path planted = fs::path(self).parent_path() / L"morvane_planted.dll";
    ASSERT_TRUE(CopyFileW(self, planted.c_str(), FALSE));
    EXPECT_TRUE(UniqueModule(LoadLibraryW(L"morvane_planted.dll"))) << "the planted library loads before";
    ASSERT_TRUE(RestrictLibrarySearchToSystem());
    LazyLibrary version(L"version.dll");
    EXPECT_EQ(std::tuple(bool(UniqueModule(LoadLibraryW(L"morvane_planted.dll"))),
                         version.Find<DWORD WINAPI(LPCWSTR, LPDWORD)>("GetFileVersionInfoSizeW") != nullptr),
              std::tuple(false, true));
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
    fs::remove(planted);
    DWORD size = sizeof(build);
    RegGetValueW(HKEY_LOCAL_MACHINE, L"Software\\Microsoft\\Windows NT\\CurrentVersion", L"CurrentBuildNumber",
                 RRF_RT_REG_SZ, nullptr, build, &size);
    EXPECT_EQ(Win32DisplayFacts::RunningBuild(), std::wcstoul(build, nullptr, 10)) << "registry: " << build;
}

TEST(System, SettingsFile) {
    // No single code page holds all three letters of the folder's name.
    const fs::path folder = fs::temp_directory_path() / (L"morvane \u0416\u4E2D\u0E01 " + std::to_wstring(GetCurrentProcessId()));
    fs::create_directories(folder);
    const std::wstring file = (folder / L"Morvane3.dat").wstring();
    Win32AnsiCodePage ansi;
    Win32ProfileFiles files(ansi);
    const SettingsStore store(files);
    store.IniWriteText(file, L"Font", L"Name", L"Gr\u00F6\u00DFe");
    store.IniWriteNumber(file, L"Main", L"ShiftX", -150);
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    const DWORD before = GetFileAttributesW(file.c_str());
    store.IniWriteNumber(file, L"Main", L"Margin", 4);
    EXPECT_EQ(GetFileAttributesW(file.c_str()), before);
    EXPECT_TRUE(before & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(store.IniReadNumber(file, L"Main", L"Margin", 1).ToDouble(), 4.0);
    EXPECT_EQ(store.IniReadNumber(file, L"Main", L"ShiftX").ToDouble(), -150.0);
    EXPECT_EQ(store.IniReadText(file, L"Font", L"Name"), L"Gr\u00F6\u00DFe");
    std::string bytes;
    {
        std::ifstream in(fs::path(file), std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    EXPECT_NE(bytes.find(ansi.Encode(L"Name=Gr\u00F6\u00DFe")), std::string::npos) << "ANSI bytes in the file";
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(folder);
}

TEST(System, RegistryValues) {
    const wchar_t kKey[] = L"Software\\Morvane3Tests\\Registry";
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
    Win32AnsiCodePage ansi;
    Win32Registry calls;
    const RegistryAccess registry(calls, ansi);
    EXPECT_EQ(registry.RegistryViewFlag(), std::uint32_t{KEY_WOW64_64KEY}) << "a 64-bit build";
    // Any folder name, whatever the ANSI code page can spell.
    const std::wstring folder = L"C:\\\u041F\u0430\u043F\u043A\u0430 \u5DE5\u5177 \u00AE";
    ASSERT_TRUE(registry.RegWriteText(reg::kHkeyCurrentUser, kKey, L"", folder));
    wchar_t data[64] = {};
    DWORD type = 0, size = sizeof data;
    ASSERT_EQ(RegGetValueW(HKEY_CURRENT_USER, kKey, L"", RRF_RT_ANY, &type, data, &size), 0);
    EXPECT_EQ(std::pair(type, std::wstring(data)), std::pair(DWORD{REG_SZ}, folder));
    EXPECT_EQ(registry.RegReadText(reg::kHkeyCurrentUser, kKey, L""), folder);
    const DWORD dword = 257;
    RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"Number", REG_DWORD, &dword, sizeof dword);
    RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"Expand", REG_EXPAND_SZ, L"%TEMP%", 14);
    EXPECT_EQ(registry.RegReadText(reg::kHkeyCurrentUser, kKey, L"Number"), L"257");
    EXPECT_EQ(registry.RegReadText(reg::kHkeyCurrentUser, kKey, L"Expand"), L"%TEMP%") << "not expanded";
    EXPECT_EQ(registry.RegReadText(reg::kHkeyCurrentUser, kKey, L"Missing", {}, L"-"), L"-");
    RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Morvane3Tests");
}

TEST(System, ProcessFactsAndTheInstanceRace) {
    const Win32ProcessFacts facts(L"Local\\Morvane3.WinTests.Facts");
    EXPECT_TRUE(fs::exists(facts.ExecutableDirectory() + L"\\" + facts.ExecutableBaseName() + L".exe"));
    // Copies that start at the same moment: exactly one finds no other.
    for (int round = 0; round < 3; ++round) {
        const std::wstring name = L"Local\\Morvane3.WinTests.Race" + std::to_wstring(round);
        std::atomic<int> waiting = 8, alone = 0;
        std::vector<std::unique_ptr<Win32ProcessFacts>> copies(8);
        std::vector<std::thread> starts;
        for (auto& copy : copies) {
            starts.emplace_back([&] {
                for (--waiting; waiting > 0;) std::this_thread::yield();
                copy = std::make_unique<Win32ProcessFacts>(name.c_str());
                if (!copy->AnotherInstanceRunning()) ++alone;
            });
        }
        for (auto& start : starts) start.join();
        EXPECT_EQ(alone, 1) << "round " << round;
        copies.clear();
        EXPECT_FALSE(Win32ProcessFacts(name.c_str()).AnotherInstanceRunning()) << "released with the facts";
    }
}

} // namespace
} // namespace morvane::win32
