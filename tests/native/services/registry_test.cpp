// Registry access: views, texts by value type, compare-before-write, autostart.
#include <gtest/gtest.h>

#include "doubles/fake_system.h"
#include "services/registry_access.h"

namespace morvane {
namespace {

const std::wstring kKey = L"SOFTWARE\\Zantor Ltd\\Morvane3";

struct RegistryTest : ::testing::Test {
    FakeRegistry calls;
    FakeAnsiCodePage ansi;
    RegistryAccess registry{calls, ansi};
};

TEST_F(RegistryTest, ViewFollowsTheSystem) {
    const struct { bool is64Bit; std::optional<bool> wow64; int view; } rows[] = {
        {false, false, 32}, {false, true, 64}, {false, std::nullopt, 32}, {true, false, 64}};
    for (const auto& row : rows) {
        calls = {};
        calls.is64Bit = row.is64Bit;
        calls.isWow64 = row.wow64;
        EXPECT_TRUE(registry.RegWriteText(reg::kHkeyCurrentUser, kKey, L"", L"C:\\Tools"));
        EXPECT_EQ(calls.Text(row.view, kKey, L""), "C:\\Tools") << row.is64Bit << row.wow64.value_or(2);
        calls.PutText(row.view, kKey, L"CurrentVersion", "3.23");
        EXPECT_EQ(registry.RegReadText(reg::kHkeyCurrentUser, kKey, L"CurrentVersion"), L"3.23") << row.is64Bit;
        EXPECT_EQ(calls.OpenKeys(), 0);
    }
}

TEST_F(RegistryTest, WritesOnlyWhatDiffers) {
    const struct { std::optional<std::string> before; std::uint32_t type; std::wstring text; int writes; } rows[] = {
        {"C:\\Tools", reg::kRegSz, L"C:\\Tools", 0}, {"C:\\tools", reg::kRegSz, L"C:\\Tools", 1},
        {std::nullopt, reg::kRegSz, L"", 1}, {"", reg::kRegSz, L"", 0}};
    for (const auto& row : rows) {
        calls = {};
        if (row.before) calls.PutText(32, kKey, L"", *row.before, row.type);
        EXPECT_TRUE(registry.RegWriteText(reg::kHkeyCurrentUser, kKey, L"", row.text));
        EXPECT_EQ(calls.writes, row.writes) << row.before.value_or("(none)");
    }
    calls = {};
    calls.failCreate = true;
    EXPECT_FALSE(registry.RegWriteText(reg::kHkeyCurrentUser, kKey, L"", L"other"));
}

// The journey of the first start switches autostart on and off; here, what counts as on already.
TEST_F(RegistryTest, AutostartCountsOnlyTheExactStringAsWritten) {
    const AutostartEntry entry{L"Badge", L"E:\\Morvane3.exe"};
    EXPECT_FALSE(registry.SwitchAutostartOff(entry)) << "nothing to delete";
    const struct { std::string bytes; std::uint32_t type; int writes; } rows[] = {
        {std::string("E:\\Morvane3.exe\0", 16), reg::kRegBinary, 1}, {"E:\\Morvane3.exe", reg::kRegBinary, 1},
        {"E:\\Morvane3.exe", reg::kRegSz, 0}};
    for (const auto& row : rows) {
        calls = {};
        calls.PutText(32, kAutostartRunKey, entry.productName, row.bytes, row.type);
        EXPECT_TRUE(registry.SwitchAutostartOn(entry)) << row.type;
        EXPECT_EQ(std::pair(registry.AutostartIsOn(entry), calls.writes), std::pair(true, row.writes)) << row.type;
    }
}

} // namespace
} // namespace morvane
