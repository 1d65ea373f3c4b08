// Contracts of the system calls behind the settings file and the registry,
// against the real ones.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/win32/ansi_code_page_win32.h"
#include "platform/win32/handles.h"
#include "platform/win32/profile_files_win32.h"
#include "platform/win32/registry_win32.h"
#include "services/registry_access.h"
#include "services/settings_store.h"

namespace morvane::win32 {
namespace {

namespace fs = std::filesystem;

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
    std::ifstream again(fs::path(file), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(again), std::istreambuf_iterator<char>()), bytes);
    again.close();
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    fs::remove_all(folder);
}

// The first start's journey writes and reads back a folder name no ANSI code page spells.
TEST(System, RegistryValuesAreReadAsStored) {
    const wchar_t kKey[] = L"Software\\Morvane3Tests";
    Win32AnsiCodePage ansi;
    Win32Registry calls;
    const RegistryAccess registry(calls, ansi);
    EXPECT_EQ(registry.RegistryViewFlag(), std::uint32_t{KEY_WOW64_64KEY}) << "a 64-bit build";
    const DWORD dword = 257;
    RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"Number", REG_DWORD, &dword, sizeof dword);
    RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"Expand", REG_EXPAND_SZ, L"%TEMP%", 14);
    EXPECT_EQ(registry.RegReadText(reg::kHkeyCurrentUser, kKey, L"Number") + L" " +
                  registry.RegReadText(reg::kHkeyCurrentUser, kKey, L"Expand"), L"257 %TEMP%") << "raw, not expanded";
    RegDeleteTreeW(HKEY_CURRENT_USER, kKey);
}

} // namespace
} // namespace morvane::win32
