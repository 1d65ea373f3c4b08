// Contracts of the system calls behind the settings file and the registry,
// against the real ones.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/win32/ansi_code_page_win32.h"
#include "platform/win32/handles.h"
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
    EXPECT_EQ(std::tuple(GetFileAttributesW(file.c_str()), store.IniReadNumber(file, L"Main", L"Margin", 1).ToDouble(),
                         store.IniReadNumber(file, L"Main", L"ShiftX").ToDouble(), store.IniReadText(file, L"Font", L"Name")),
              std::tuple(before, 4.0, -150.0, L"Gr\u00F6\u00DFe"));
    const auto read = [&] {
        std::ifstream in(fs::path(file), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    };
    const std::string bytes = read();
    EXPECT_NE(bytes.find(ansi.Encode(L"Name=Gr\u00F6\u00DFe")), std::string::npos) << "ANSI bytes in the file";
    // A write the system refuses (the file held open by another program) leaves the file as it was; the
    // attributes come back after a text and stay normal after a number.
    {
        const UniqueKernelHandle held(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_NE(held.get(), INVALID_HANDLE_VALUE);
        store.IniWriteText(file, L"Font", L"Name", L"Arial");
        EXPECT_EQ(GetFileAttributesW(file.c_str()), before) << "after a refused text";
        store.IniWriteNumber(file, L"Main", L"Margin", 7);
        EXPECT_EQ(GetFileAttributesW(file.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), 0u)
            << "after a refused number";
    }
    EXPECT_EQ(read(), bytes);
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(folder);
}

// The country after the code ("EN-GB") as the system names it.
TEST(System, CountryNames) {
    const Win32DisplayFacts facts;
    EXPECT_EQ(facts.CountryName(0x0809) + L" " + facts.CountryName(0x0407) + L" " + facts.CountryName(0x0409), L"GB DE US");
}

} // namespace
} // namespace morvane::win32
