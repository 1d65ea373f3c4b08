#include "services/registry_access.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "doubles/fake_ansi_code_page.h"
#include "doubles/fake_registry.h"

namespace morvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Kind = FakeRegistry::KeyCall::Kind;

constexpr RegistryRoot kRoot = reg::kHkeyCurrentUser;
const std::wstring kKey = L"SOFTWARE\\Zantor Ltd\\Morvane3";
const AutostartEntry kAutostart{L"Morvane Language Badge \u00AE", L"C:\\Tools\\Morvane3.exe"};

class RegistryAccessTest : public ::testing::Test {
protected:
    std::wstring Read(std::uint32_t storedType, Bytes bytes, std::optional<std::uint32_t> type = {}) {
        registry.PutValue(kRoot, kKey, L"Value", storedType, std::move(bytes));
        return access.RegReadText(kRoot, kKey, L"Value", type, L"default");
    }
    std::optional<FakeRegistry::Value> Stored(const std::wstring& name) const {
        return registry.StoredValue(kRoot, kKey, name);
    }

    FakeRegistry registry;
    FakeAnsiCodePage ansi;
    RegistryAccess access{registry, ansi};
};

// The view flag.

TEST(RegistryViewFlag, ThirtyTwoBitProcessFollowsWow64) {
    EXPECT_EQ(RegistryViewFlagFor(false, false), reg::kKeyWow64_32Key) << "32-bit Windows: the 32-bit view";
    EXPECT_EQ(RegistryViewFlagFor(false, true), reg::kKeyWow64_64Key) << "WOW64: the 64-bit view";
}

TEST(RegistryViewFlag, SixtyFourBitProcessAlwaysUsesTheSixtyFourBitView) {
    EXPECT_EQ(RegistryViewFlagFor(true, false), reg::kKeyWow64_64Key)
        << "a 64-bit process is not WOW64 but must not be sent to the 32-bit view";
}

TEST_F(RegistryAccessTest, IsWow64IsFalseWhenTheLookupFails) {
    registry.isWow64Process = std::nullopt;
    EXPECT_FALSE(access.IsWow64());
    EXPECT_EQ(access.RegistryViewFlag(), reg::kKeyWow64_32Key);
}

TEST_F(RegistryAccessTest, ViewFlagIsWorkedOutAtEveryUse) {
    registry.PutText(kRoot, kKey, L"", "x");
    access.RegReadText(kRoot, kKey, L"");
    registry.isWow64Process = true;
    access.RegReadText(kRoot, kKey, L"");
    ASSERT_EQ(registry.keyCalls.size(), 2u);
    EXPECT_EQ(registry.keyCalls[0].access, reg::kKeyQueryValue | reg::kKeyWow64_32Key);
    EXPECT_EQ(registry.keyCalls[1].access, reg::kKeyQueryValue | reg::kKeyWow64_64Key);
}

// Reading: conversions by type.

TEST_F(RegistryAccessTest, StringTypesDropTheirLastCharacterAndKeepZerosInside) {
    EXPECT_EQ(Read(reg::kRegSz, RegistryStringData(L"abc")), L"abc");
    EXPECT_EQ(Read(reg::kRegSz, {'a', 0, 'b', 0, 'c', 0}), L"ab") << "stored without its zero: one character short";
    EXPECT_EQ(Read(reg::kRegSz, RegistryStringData(std::wstring(L"a\0b", 3))), std::wstring(L"a\0b", 3));
    EXPECT_EQ(Read(reg::kRegMultiSz, RegistryStringData(std::wstring(L"a\0b\0", 4))), std::wstring(L"a\0b\0", 4));
    EXPECT_EQ(Read(reg::kRegExpandSz, RegistryStringData(L"%TEMP%")), L"%TEMP%") << "nothing is expanded";
    EXPECT_EQ(Read(reg::kRegSz, {0x1B, 0x04, 0x2F, 0x67, 0, 0}), L"\u041B\u672F") << "characters are UTF-16";
}

TEST_F(RegistryAccessTest, StringStoredWithNoBytesReadsAsEmptyText) {
    EXPECT_EQ(Read(reg::kRegSz, {}), L"") << "size 0 must not fail or fall back to the default";
    EXPECT_EQ(Read(reg::kRegExpandSz, {}), L"");
}

TEST_F(RegistryAccessTest, DwordsReadAsUnsignedDecimal) {
    EXPECT_EQ(Read(reg::kRegDword, {1, 0, 0, 0}), L"1");
    EXPECT_EQ(Read(reg::kRegDwordBigEndian, {1, 0, 0, 0}), L"16777216");
    EXPECT_EQ(Read(reg::kRegDword, {0xFF, 0xFF, 0xFF, 0xFF}), L"4294967295");
}

TEST_F(RegistryAccessTest, DwordsOfAnotherSizeUseOnlyTheBytesPresentUpToFour) {
    EXPECT_EQ(Read(reg::kRegDword, {1, 2}), L"513");
    EXPECT_EQ(Read(reg::kRegDwordBigEndian, {1, 2}), L"258");
    EXPECT_EQ(Read(reg::kRegDword, {}), L"0");
    EXPECT_EQ(Read(reg::kRegDword, {1, 0, 0, 0, 9, 9, 9, 9}), L"1");
}

TEST_F(RegistryAccessTest, OtherTypesReadByteByByte) {
    EXPECT_EQ(Read(reg::kRegBinary, {'A', 0, 0xAE}), std::wstring(L"A\0\u00AE", 3));
    EXPECT_EQ(Read(reg::kRegNone, {'x', 'y'}), L"xy");
}

TEST_F(RegistryAccessTest, CallersTypeOverridesTheStoredOne) {
    EXPECT_EQ(Read(reg::kRegDword, {1, 0, 0, 0}, reg::kRegDwordBigEndian), L"16777216");
    EXPECT_EQ(Read(reg::kRegSz, RegistryStringData(L"ab"), reg::kRegBinary), std::wstring(L"ab\0", 3));
    EXPECT_EQ(Read(reg::kRegDword, {'1', '2', '3', '4'}, reg::kRegSz), L"123");
}

TEST_F(RegistryAccessTest, EmptyValueNameIsTheUnnamedValue) {
    registry.PutText(kRoot, kKey, L"", "C:\\Tools");
    EXPECT_EQ(access.RegReadText(kRoot, kKey, L""), L"C:\\Tools");
}

// Reading: failures.

TEST_F(RegistryAccessTest, ReadFailuresGiveTheDefaultAndCloseEveryKey) {
    EXPECT_EQ(access.RegReadText(kRoot, kKey, L"Value", {}, L"default"), L"default") << "missing key";
    registry.PutKey(kRoot, kKey);
    EXPECT_EQ(access.RegReadText(kRoot, kKey, L"Value", {}, L"default"), L"default") << "missing value";
    registry.PutText(kRoot, kKey, L"Value", "x");
    registry.failOpen = true;
    EXPECT_EQ(access.RegReadText(kRoot, kKey, L"Value", {}, L"default"), L"default") << "refused access";
    EXPECT_EQ(access.RegReadText(kRoot, kKey, L"Value"), L"") << "no default given";
    EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(RegistryAccessTest, ReadOpensForQueryingOnlyAndWritesNothing) {
    Read(reg::kRegSz, {'x', 0});
    ASSERT_EQ(registry.keyCalls.size(), 1u);
    EXPECT_EQ(registry.keyCalls[0].kind, Kind::Open);
    EXPECT_EQ(registry.keyCalls[0].access, reg::kKeyQueryValue | reg::kKeyWow64_32Key);
    EXPECT_EQ(registry.writes, 0);
    EXPECT_EQ(registry.OpenKeys(), 0);
}

// Writing.

TEST_F(RegistryAccessTest, WriteOfTheStoredTextTouchesNothing) {
    registry.PutText(kRoot, kKey, L"CurrentVersion", "3.23");
    EXPECT_TRUE(access.RegWriteText(kRoot, kKey, L"CurrentVersion", L"3.23"));
    EXPECT_EQ(registry.creates, 0);
    EXPECT_EQ(registry.writes, 0);
    EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(RegistryAccessTest, WriteOfEmptyTextStoresItWhenTheValueIsMissing) {
    EXPECT_TRUE(access.RegWriteText(kRoot, kKey, L"Path", L""));
    EXPECT_EQ(Stored(L"Path"), (FakeRegistry::Value{reg::kRegSz, {0, 0}}))
        << "a missing value reads as empty but must not count as already written";
}

TEST_F(RegistryAccessTest, WriteCreatesKeyAndParentsAndStoresUtf16TextWithItsZero) {
    EXPECT_TRUE(access.RegWriteText(kRoot, kKey, L"Name", L"Badge \u00AE"));
    EXPECT_TRUE(registry.HasKey(kRoot, L"SOFTWARE\\Zantor Ltd"));
    EXPECT_EQ(Stored(L"Name"), (FakeRegistry::Value{reg::kRegSz, RegistryStringData(L"Badge \u00AE")}));
    EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(RegistryAccessTest, WriteReplacesAValueOfAnotherTypeOrText) {
    registry.PutValue(kRoot, kKey, L"Name", reg::kRegDword, {1, 0, 0, 0});
    EXPECT_TRUE(access.RegWriteText(kRoot, kKey, L"Name", L"1"));
    EXPECT_EQ(Stored(L"Name"), (FakeRegistry::Value{reg::kRegSz, {'1', 0, 0, 0}}));
}

TEST_F(RegistryAccessTest, WriteCreatesFirstWithoutViewFlagThenWithIt) {
    access.RegWriteText(kRoot, kKey, L"Name", L"x");
    ASSERT_EQ(registry.keyCalls.size(), 3u);
    EXPECT_EQ(registry.keyCalls[0].kind, Kind::Open) << "the comparing read";
    EXPECT_EQ(registry.keyCalls[1].kind, Kind::Create);
    EXPECT_EQ(registry.keyCalls[1].access, reg::kKeyAllAccess);
    EXPECT_EQ(registry.keyCalls[2].kind, Kind::Create);
    EXPECT_EQ(registry.keyCalls[2].access, reg::kKeyAllAccess | reg::kKeyWow64_32Key);
}

TEST_F(RegistryAccessTest, FailedFirstCreateFailsTheWrite) {
    registry.failCreateNumber = 1;
    EXPECT_FALSE(access.RegWriteText(kRoot, kKey, L"Name", L"x"));
    EXPECT_EQ(registry.creates, 1) << "no second create after the first failed";
    EXPECT_EQ(registry.writes, 0);
}

TEST_F(RegistryAccessTest, FailedSecondCreateFailsTheWriteAndKeepsTheCreatedKey) {
    registry.failCreateNumber = 2;
    EXPECT_FALSE(access.RegWriteText(kRoot, kKey, L"Name", L"x"));
    EXPECT_TRUE(registry.HasKey(kRoot, kKey));
    EXPECT_EQ(registry.writes, 0);
    EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(RegistryAccessTest, RefusedSetFailsTheWriteAndClosesTheKey) {
    registry.failSet = true;
    EXPECT_FALSE(access.RegWriteText(kRoot, kKey, L"Name", L"x"));
    EXPECT_FALSE(Stored(L"Name").has_value());
    EXPECT_EQ(registry.OpenKeys(), 0);
}

// The view flag on each system.

TEST_F(RegistryAccessTest, ThirtyTwoBitWindowsPassesTheThirtyTwoBitViewToEveryOpenAndViewedCreate) {
    access.RegWriteText(kRoot, kKey, L"Name", L"x");
    access.SwitchAutostartOff(kAutostart);
    for (const auto& call : registry.keyCalls) {
        if (call.access == reg::kKeyAllAccess) continue;  // the create in the process's own view
        EXPECT_EQ(call.access & 0x300u, reg::kKeyWow64_32Key) << std::hex << call.access;
    }
}

TEST_F(RegistryAccessTest, Wow64AndSixtyFourBitProcessesUseTheSixtyFourBitView) {
    for (const bool is64Bit : {false, true}) {
        registry.processIs64Bit = is64Bit;
        registry.isWow64Process = !is64Bit;
        registry.keyCalls.clear();
        access.RegWriteText(kRoot, kKey, L"Name", is64Bit ? L"a" : L"b");
        ASSERT_EQ(registry.keyCalls.size(), 3u);
        EXPECT_EQ(registry.keyCalls[0].access, reg::kKeyQueryValue | reg::kKeyWow64_64Key) << is64Bit;
        EXPECT_EQ(registry.keyCalls[2].access, reg::kKeyAllAccess | reg::kKeyWow64_64Key) << is64Bit;
    }
}

// The autostart entry.

TEST_F(RegistryAccessTest, AutostartIsOnOnlyForTheExactPath) {
    EXPECT_FALSE(access.AutostartIsOn(kAutostart)) << "no value";
    registry.PutText(kRoot, kAutostartRunKey, kAutostart.productName, "C:\\Tools\\Morvane3.exe");
    EXPECT_TRUE(access.AutostartIsOn(kAutostart));
    registry.PutText(kRoot, kAutostartRunKey, kAutostart.productName, "c:\\tools\\morvane3.exe");
    EXPECT_FALSE(access.AutostartIsOn(kAutostart)) << "other letter case";
    registry.PutText(kRoot, kAutostartRunKey, kAutostart.productName, "\"C:\\Tools\\Morvane3.exe\"");
    EXPECT_FALSE(access.AutostartIsOn(kAutostart)) << "quoted path";
}

TEST_F(RegistryAccessTest, SwitchingAutostartOnStoresThePathUnderTheProductName) {
    EXPECT_TRUE(access.SwitchAutostartOn(kAutostart));
    const auto stored = registry.StoredValue(kRoot, kAutostartRunKey, L"Morvane Language Badge \u00AE");
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->type, reg::kRegSz);
    EXPECT_TRUE(access.AutostartIsOn(kAutostart));
}

TEST_F(RegistryAccessTest, SwitchingAutostartOffDeletesTheValueWithWriteAccess) {
    registry.PutText(kRoot, kAutostartRunKey, kAutostart.productName, "C:\\Tools\\Morvane3.exe");
    registry.PutText(kRoot, kAutostartRunKey, L"Other", "other.exe");
    registry.isWow64Process = true;
    EXPECT_TRUE(access.SwitchAutostartOff(kAutostart));
    EXPECT_FALSE(registry.StoredValue(kRoot, kAutostartRunKey, kAutostart.productName).has_value());
    EXPECT_TRUE(registry.StoredValue(kRoot, kAutostartRunKey, L"Other").has_value());
    ASSERT_EQ(registry.keyCalls.size(), 1u);
    EXPECT_EQ(registry.keyCalls[0].access, reg::kKeyWrite | reg::kKeyWow64_64Key);
    EXPECT_EQ(registry.OpenKeys(), 0);
}

TEST_F(RegistryAccessTest, SwitchingAutostartOffFailsWhenThereIsNothingToDelete) {
    EXPECT_FALSE(access.SwitchAutostartOff(kAutostart)) << "no Run key";
    registry.PutKey(kRoot, kAutostartRunKey);
    EXPECT_FALSE(access.SwitchAutostartOff(kAutostart)) << "no value";
    EXPECT_EQ(registry.OpenKeys(), 0);
}

} // namespace
} // namespace morvane
