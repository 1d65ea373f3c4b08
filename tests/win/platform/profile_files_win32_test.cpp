#include "platform/win32/profile_files_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/win32/ansi_code_page_win32.h"
#include "services/settings_store.h"

namespace morvane::win32 {
namespace {

namespace fs = std::filesystem;

bool RunsUnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

// Real settings files in a fresh folder of the temp directory.
class Win32SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH + 1] = {};
        ASSERT_NE(GetTempPathW(MAX_PATH + 1, temp), 0u);
        const std::string testName = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        folder = fs::path(temp) / (L"morvane-store-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                   std::wstring(testName.begin(), testName.end()));
        fs::remove_all(folder);
        ASSERT_TRUE(fs::create_directories(folder));
        file = (folder / L"Morvane3.dat").wstring();
    }
    void TearDown() override {
        std::error_code ignored;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder, ignored)) {
            SetFileAttributesW(entry.path().c_str(), FILE_ATTRIBUTE_NORMAL);
        }
        fs::remove_all(folder, ignored);
    }

    static std::string RawBytes(const std::wstring& path) {
        std::ifstream in(fs::path(path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static FILETIME LastWriteTime(const std::wstring& path) {
        WIN32_FILE_ATTRIBUTE_DATA data{};
        EXPECT_TRUE(GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data));
        return data.ftLastWriteTime;
    }

    fs::path folder;
    std::wstring file;
    Win32AnsiCodePage ansi;
    Win32ProfileFiles files{ansi};
    SettingsStore store{files};
};

TEST_F(Win32SettingsFileTest, WritesAndReadsTextAndNumbers) {
    store.IniWriteText(file, L"Main", L"BackColor", L"00FF00");
    store.IniWriteNumber(file, L"Main", L"Margin", 7);
    store.IniWriteNumber(file, L"Main", L"ShiftX", -150);
    EXPECT_EQ(store.IniReadText(file, L"Main", L"BackColor", L"FFFFFF"), L"00FF00");
    EXPECT_EQ(store.IniReadNumber(file, L"Main", L"Margin", 1).ToDouble(), 7.0);
    EXPECT_EQ(store.IniReadNumber(file, L"Main", L"ShiftX").ToDouble(), -150.0);
    EXPECT_EQ(store.IniReadNumber(file, L"Main", L"ShiftY", -3).ToDouble(), -3.0) << "a missing key gives the default";
    EXPECT_TRUE(store.FileExists(file));
}

TEST_F(Win32SettingsFileTest, ReadOnlyFileIsUpdatedAndReadOnlyAgain) {
    store.IniWriteText(file, L"Main", L"BackColor", L"00FF00");
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
    const DWORD before = GetFileAttributesW(file.c_str());

    store.IniWriteText(file, L"Main", L"BackColor", L"000000");
    EXPECT_EQ(GetFileAttributesW(file.c_str()), before);
    store.IniWriteNumber(file, L"Main", L"Margin", 4);
    EXPECT_EQ(GetFileAttributesW(file.c_str()), before);
    EXPECT_EQ(store.IniReadText(file, L"Main", L"BackColor"), L"000000");
    EXPECT_EQ(store.IniReadNumber(file, L"Main", L"Margin").ToDouble(), 4.0);
}

TEST_F(Win32SettingsFileTest, EqualTextLeavesTheFileTimeUntouched) {
    store.IniWriteText(file, L"Font", L"Name", L"Arial");
    const FILETIME written = LastWriteTime(file);
    Sleep(2100);  // longer than the coarsest file time resolution (FAT: 2 s)

    store.IniWriteText(file, L"Font", L"Name", L"Arial");
    const FILETIME afterEqual = LastWriteTime(file);
    EXPECT_EQ(CompareFileTime(&written, &afterEqual), 0) << "an equal value must not be written";

    store.IniWriteText(file, L"Font", L"Name", L"Tahoma");
    const FILETIME afterChange = LastWriteTime(file);
    EXPECT_NE(CompareFileTime(&written, &afterChange), 0) << "a changed value is written";
}

TEST_F(Win32SettingsFileTest, EmptyTextIsStoredAsOneBlank) {
    store.IniWriteText(file, L"ShowColor", L"Custom", L"");
    // Wine's profile writer drops leading blanks of a value; Windows keeps them.
    const std::string stored = RunsUnderWine() ? "Custom=\r\n" : "Custom= \r\n";
    EXPECT_NE(RawBytes(file).find(stored), std::string::npos) << RawBytes(file);
    EXPECT_EQ(store.IniReadText(file, L"ShowColor", L"Custom", L"x"), L"");
}

TEST_F(Win32SettingsFileTest, LongTextIsCutTo32766Characters) {
    store.IniWriteText(file, L"Font", L"Name", std::wstring(40000, L'x'));
    EXPECT_EQ(store.IniReadText(file, L"Font", L"Name").size(), 32766u);
}

TEST_F(Win32SettingsFileTest, ValuesAreStoredInTheAnsiCodePage) {
    const std::wstring value = L"Gr\u00F6\u00DFe \u0416\u4E2D";
    store.IniWriteText(file, L"Font", L"Name", value);
    EXPECT_NE(RawBytes(file).find(ansi.Encode(L"Name=" + value)), std::string::npos)
        << "the file holds the value's ANSI bytes, as the ANSI functions store it";
    EXPECT_EQ(store.IniReadText(file, L"Font", L"Name"), ansi.Decode(ansi.Encode(value)));
}

TEST_F(Win32SettingsFileTest, FolderOutsideTheAnsiCodePageWorks) {
    // No single-byte or East Asian code page holds all three letters.
    const fs::path wideFolder = folder / L"Morvane \u0416\u4E2D\u0E01";
    ASSERT_TRUE(fs::create_directory(wideFolder));
    const std::wstring wideFile = (wideFolder / L"Morvane3.dat").wstring();

    store.IniWriteText(wideFile, L"Main", L"ForeColor", L"FF0000");
    store.IniWriteNumber(wideFile, L"Main", L"Margin", 3);
    EXPECT_TRUE(fs::exists(wideFolder / L"Morvane3.dat")) << "the file lies in the folder named";
    EXPECT_EQ(store.IniReadText(wideFile, L"Main", L"ForeColor"), L"FF0000");
    EXPECT_EQ(store.IniReadNumber(wideFile, L"Main", L"Margin", 1).ToDouble(), 3.0);
    EXPECT_TRUE(store.FileExists(wideFile));
}

TEST(Win32AttributesTest, NormalIsZeroForTheStore) {
    EXPECT_EQ(AttributesFromWin32(FILE_ATTRIBUTE_NORMAL), file_attr::kNormal);
    EXPECT_EQ(AttributesToWin32(file_attr::kNormal), static_cast<std::uint32_t>(FILE_ATTRIBUTE_NORMAL));
    const std::uint32_t readOnlyArchive = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE;
    EXPECT_EQ(AttributesFromWin32(readOnlyArchive), file_attr::kReadOnly | file_attr::kArchive);
    EXPECT_EQ(AttributesToWin32(file_attr::kReadOnly | file_attr::kArchive), readOnlyArchive);
}

TEST_F(Win32SettingsFileTest, SettingNormalAttributesClearsReadOnlyAndHidden) {
    store.IniWriteText(file, L"Main", L"BackColor", L"00FF00");
    ASSERT_TRUE(files.SetAttributes(file, file_attr::kReadOnly | file_attr::kHidden));
    const std::optional<std::uint32_t> marked = files.GetAttributes(file);
    ASSERT_TRUE(marked.has_value());
    EXPECT_EQ(*marked & (file_attr::kReadOnly | file_attr::kHidden), file_attr::kReadOnly | file_attr::kHidden);

    ASSERT_TRUE(files.SetAttributes(file, file_attr::kNormal));
    const std::optional<std::uint32_t> cleared = files.GetAttributes(file);
    ASSERT_TRUE(cleared.has_value());
    EXPECT_EQ(*cleared & (file_attr::kReadOnly | file_attr::kHidden), 0u);
}

TEST_F(Win32SettingsFileTest, FileExistsRejectsFoldersAndMissingFiles) {
    EXPECT_FALSE(store.FileExists(folder.wstring()));
    EXPECT_FALSE(store.FileExists(file));
    EXPECT_FALSE(files.GetAttributes(file).has_value());
}

} // namespace
} // namespace morvane::win32
