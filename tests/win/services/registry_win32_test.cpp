#include "platform/win32/registry_win32.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/ansi_code_page_win32.h"
#include "services/registry_access.h"

namespace morvane::win32 {
namespace {

using Bytes = std::vector<BYTE>;

const std::string kTestKey = "Software\\Morvane3Tests\\RegistryAccess";
const std::wstring kTestKeyWide(kTestKey.begin(), kTestKey.end());
const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The real registry of the current user, in a private key removed after each test.
class Win32RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey.c_str()); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, kTestKey.c_str()); }

    // Stores a value with the system's own call, bypassing the code under test.
    static void Put(const std::string& subkey, const char* name, DWORD type, const Bytes& bytes) {
        UniqueHkey key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  key.put(), nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key.get(), name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
    }
    static void Put(const char* name, DWORD type, const Bytes& bytes) { Put(kTestKey, name, type, bytes); }
    // The system adds a terminating zero the caller forgot to count when the
    // character after the data is one; a character that is not zero there
    // lets the value be stored without its zero.
    static void PutUnterminated(const wchar_t* name, const std::wstring& text) {
        UniqueHkey key;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKeyWide.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  key.put(), nullptr),
                  ERROR_SUCCESS);
        const std::wstring guarded = text + L'X';
        ASSERT_EQ(RegSetValueExW(key.get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(guarded.data()),
                                 static_cast<DWORD>(text.size() * sizeof(wchar_t))),
                  ERROR_SUCCESS);
    }
    // Type and bytes as the ANSI functions report them; REG_NONE and no bytes when missing.
    static std::pair<DWORD, Bytes> Raw(const std::string& subkey, const char* name) {
        DWORD type = REG_NONE;
        Bytes bytes(1024);
        DWORD size = static_cast<DWORD>(bytes.size());
        if (RegGetValueA(HKEY_CURRENT_USER, subkey.c_str(), name, RRF_RT_ANY | RRF_NOEXPAND, &type, bytes.data(),
                         &size) != ERROR_SUCCESS) {
            return {REG_NONE, {}};
        }
        bytes.resize(size);
        return {type, bytes};
    }
    // The type of a value looked up by its Unicode name; REG_NONE when missing.
    static DWORD TypeByUnicodeName(const std::string& subkey, const std::wstring& name) {
        DWORD type = REG_NONE;
        const std::wstring wideKey(subkey.begin(), subkey.end());
        if (RegGetValueW(HKEY_CURRENT_USER, wideKey.c_str(), name.c_str(), RRF_RT_ANY, &type, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            return REG_NONE;
        }
        return type;
    }

    static FILETIME LastWriteTime(const std::string& subkey) {
        UniqueHkey key;
        FILETIME time{};
        EXPECT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, subkey.c_str(), 0, KEY_QUERY_VALUE, key.put()), ERROR_SUCCESS);
        EXPECT_EQ(RegQueryInfoKeyA(key.get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                   nullptr, nullptr, nullptr, &time),
                  ERROR_SUCCESS);
        return time;
    }

    std::wstring Read(const wchar_t* name, std::optional<std::uint32_t> type = {}) const {
        return access.RegReadText(reg::kHkeyCurrentUser, kTestKeyWide, name, type, L"default");
    }

    Win32AnsiCodePage ansi;
    Win32Registry registry;
    RegistryAccess access{registry, ansi};
};

TEST_F(Win32RegistryTest, ReadsStringTypesWithoutTheirTerminatingByte) {
    Put("Sz", REG_SZ, {'a', 'b', 'c', 0});
    PutUnterminated(L"Unterminated", L"abc");
    Put("Empty", REG_SZ, {});
    Put("Expand", REG_EXPAND_SZ, {'%', 'T', 'E', 'M', 'P', '%', 0});
    Put("Multi", REG_MULTI_SZ, {'a', 0, 'b', 0, 0});
    EXPECT_EQ(Read(L"Sz"), L"abc");
    EXPECT_EQ(Read(L"Unterminated"), L"ab") << "stored without its zero: one character short";
    EXPECT_EQ(Read(L"Empty"), L"") << "a string with no bytes is an empty text, not a failure";
    EXPECT_EQ(Read(L"Expand"), L"%TEMP%") << "nothing is expanded";
    EXPECT_EQ(Read(L"Multi"), std::wstring(L"a\0b\0", 4));
}

TEST_F(Win32RegistryTest, ReadsDwordsAndBinaryData) {
    Put("Dword", REG_DWORD, {1, 0, 0, 0});
    Put("BigEndian", REG_DWORD_BIG_ENDIAN, {1, 0, 0, 0});
    Put("Binary", REG_BINARY, {'A', 0, 'B'});
    EXPECT_EQ(Read(L"Dword"), L"1");
    EXPECT_EQ(Read(L"Dword", reg::kRegDwordBigEndian), L"16777216");
    EXPECT_EQ(Read(L"BigEndian"), L"16777216");
    EXPECT_EQ(Read(L"Binary"), std::wstring(L"A\0B", 3));
}

TEST_F(Win32RegistryTest, UnreadableValuesGiveTheDefault) {
    EXPECT_EQ(Read(L"Sz"), L"default") << "missing key";
    Put("Other", REG_SZ, {'x', 0});
    EXPECT_EQ(Read(L"Sz"), L"default") << "missing value";
    EXPECT_EQ(Read(L""), L"default") << "unnamed value not set";
    Put("", REG_SZ, {'C', ':', 0});
    EXPECT_EQ(Read(L""), L"C:") << "empty name is the unnamed value";
}

TEST_F(Win32RegistryTest, WritingTheStoredTextLeavesTheKeyUntouched) {
    // Stored as REG_EXPAND_SZ: a write would have turned it into REG_SZ.
    Put("CurrentVersion", REG_EXPAND_SZ, {'3', '.', '2', '3', 0});
    const FILETIME before = LastWriteTime(kTestKey);
    EXPECT_TRUE(access.RegWriteText(reg::kHkeyCurrentUser, kTestKeyWide, L"CurrentVersion", L"3.23"));
    const FILETIME after = LastWriteTime(kTestKey);
    EXPECT_EQ(Raw(kTestKey, "CurrentVersion").first, static_cast<DWORD>(REG_EXPAND_SZ));
    EXPECT_EQ(CompareFileTime(&before, &after), 0);
}

TEST_F(Win32RegistryTest, WritingCreatesMissingParentKeysAndStoresAnsiText) {
    const std::string subkey = kTestKey + "\\App Paths\\Morvane3.exe";
    EXPECT_TRUE(access.RegWriteText(reg::kHkeyCurrentUser, std::wstring(subkey.begin(), subkey.end()), L"Path",
                                    L"C:\\Tools"));
    EXPECT_EQ(Raw(subkey, "Path"), (std::pair<DWORD, Bytes>{REG_SZ, {'C', ':', '\\', 'T', 'o', 'o', 'l', 's', 0}}));
    EXPECT_TRUE(access.RegWriteText(reg::kHkeyCurrentUser, std::wstring(subkey.begin(), subkey.end()), L"", L""));
    EXPECT_EQ(Raw(subkey, ""), (std::pair<DWORD, Bytes>{REG_SZ, {0}})) << "empty text: the zero byte alone";
}

TEST_F(Win32RegistryTest, ProcessFactsOfThisBuild) {
    if constexpr (sizeof(void*) == 8) {
        EXPECT_TRUE(registry.ProcessIs64Bit());
        EXPECT_EQ(registry.QueryIsWow64Process(), false) << "a 64-bit process never runs under WOW64";
        EXPECT_EQ(access.RegistryViewFlag(), reg::kKeyWow64_64Key);
    } else {
        EXPECT_FALSE(registry.ProcessIs64Bit());
        EXPECT_TRUE(registry.QueryIsWow64Process().has_value());
    }
}

TEST_F(Win32RegistryTest, KeysAreClosedOnce) {
    Put("Sz", REG_SZ, {'x', 0});
    RegistryKey key = 0;
    ASSERT_EQ(registry.OpenKey(reg::kHkeyCurrentUser, kTestKeyWide, reg::kKeyQueryValue, key), reg::kSuccess);
    EXPECT_EQ(registry.CloseKey(key), reg::kSuccess);
    EXPECT_EQ(registry.CloseKey(key), reg::kInvalidHandle);
    std::uint32_t type = 0;
    std::uint32_t size = 0;
    EXPECT_EQ(registry.QueryValue(key, L"Sz", type, {}, size), reg::kInvalidHandle);
}

// The real Run key, under a value name of this test's own.
class Win32AutostartTest : public Win32RegistryTest {
protected:
    void SetUp() override {
        if (ansi.Encode(L"\u00AE") != "\xAE") GTEST_SKIP() << "the test name needs Windows-1252";
        RemoveValue();
    }
    void TearDown() override { RemoveValue(); }
    void RemoveValue() const {
        UniqueHkey key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_WRITE, key.put()) == ERROR_SUCCESS) {
            RegDeleteValueA(key.get(), ansi.Encode(entry.productName).c_str());
        }
    }

    const AutostartEntry entry{L"Morvane3Tests Badge \u00AE " + std::to_wstring(GetCurrentProcessId()),
                               L"C:\\Tools\\Morvane3.exe"};
};

TEST_F(Win32AutostartTest, SwitchesOnAndOffUnderTheProductName) {
    EXPECT_FALSE(access.AutostartIsOn(entry));
    ASSERT_TRUE(access.SwitchAutostartOn(entry));
    EXPECT_EQ(TypeByUnicodeName(kRunKey, entry.productName), static_cast<DWORD>(REG_SZ))
        << "the value name reaches the registry with its registered sign";
    EXPECT_TRUE(access.AutostartIsOn(entry));
    EXPECT_TRUE(access.SwitchAutostartOff(entry));
    EXPECT_FALSE(access.AutostartIsOn(entry));
    EXPECT_FALSE(access.SwitchAutostartOff(entry)) << "nothing left to delete";
}

TEST_F(Win32AutostartTest, PathInOtherLetterCaseCountsAsOff) {
    const std::string name = ansi.Encode(entry.productName);
    Put(kRunKey, name.c_str(), REG_SZ, {'c', ':', '\\', 't', 'o', 'o', 'l', 's', '\\', 'm', 'o', 'r', 'v', 'a', 'n',
                                        'e', '3', '.', 'e', 'x', 'e', 0});
    EXPECT_FALSE(access.AutostartIsOn(entry));
}

} // namespace
} // namespace morvane::win32
