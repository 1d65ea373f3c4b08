// Registry access: views, texts by value type, compare-before-write, autostart.
#include <gtest/gtest.h>

#include "doubles/fake_process_facts.h"
#include "doubles/fake_system.h"
#include "services/autostart_entry.h"
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

TEST_F(RegistryTest, TextByType) {
    const struct { std::uint32_t type; std::string bytes; std::optional<std::uint32_t> asType; std::wstring text; } rows[] = {
        {reg::kRegSz, std::string("a\0\0\0b\0\0\0", 8), {}, std::wstring(L"a\0b", 3)}, {reg::kRegExpandSz, "", {}, L""},
        {reg::kRegSz, std::string("\x1B\x04\x2F\x67\0\0", 6), {}, L"\u041B\u672F"}, {reg::kRegSz, std::string("a\0b\0", 4), {}, L"a"},
        {reg::kRegDword, std::string("\x01\x01\x00\x00", 4), {}, L"257"}, {reg::kRegDword, "\xFF\xFF\xFF\xFF", {}, L"4294967295"},
        {reg::kRegDword, "\x01\x01", {}, L"257"}, {reg::kRegDwordBigEndian, std::string("\x00\x00\x01\x01", 4), {}, L"257"},
        {reg::kRegBinary, "\x41\x99", {}, L"A\u2122"}, {reg::kRegDword, "AB", reg::kRegBinary, L"AB"}};
    for (const auto& row : rows) {
        calls.keys[{32, Lower(kKey)}][L"v"] = {row.type, {row.bytes.begin(), row.bytes.end()}};
        EXPECT_EQ(registry.RegReadText(reg::kHkeyCurrentUser, kKey, L"V", row.asType), row.text) << row.type;
    }
    EXPECT_EQ(registry.RegReadText(reg::kHkeyCurrentUser, kKey, L"missing", {}, L"dflt"), L"dflt");
    calls.failOpen = true;
    EXPECT_EQ(registry.RegReadText(reg::kHkeyCurrentUser, kKey, L"V", {}, L"dflt"), L"dflt");
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
    calls.isWow64 = true;
    EXPECT_TRUE(registry.RegWriteText(reg::kHkeyCurrentUser, kKey, L"", L"Morvane3\u2122"));
    EXPECT_EQ(calls.keys.at({64, Lower(kKey)}).at(L"").bytes, (std::vector<std::uint8_t>{
        'M', 0, 'o', 0, 'r', 0, 'v', 0, 'a', 0, 'n', 0, 'e', 0, '3', 0, 0x22, 0x21, 0, 0})) << "UTF-16 with its zero";
    EXPECT_TRUE(calls.keys.contains({32, Lower(kKey)})) << "the first create is in the process's own view";
    calls.failCreate = true;
    EXPECT_FALSE(registry.RegWriteText(reg::kHkeyCurrentUser, kKey, L"", L"other"));
}

TEST_F(RegistryTest, Autostart) {
    FakeProcessFacts process;
    process.directory = L"E:";
    const AutostartEntry entry = AutostartEntryOf(process);
    EXPECT_EQ(std::pair(entry.productName, entry.executablePath),
              std::pair(std::wstring(L"Morvane Language Badge \u00AE"), std::wstring(L"E:\\Morvane3.exe")));
    EXPECT_FALSE(registry.SwitchAutostartOff(entry)) << "nothing to delete";
    // Only a string holding exactly the path counts as written already.
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
