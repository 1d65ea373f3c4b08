// Switching autostart on rewrites a Run value that only reads as the path:
// afterwards it is the path as a string, and autostart tests as on.
#include <gtest/gtest.h>

#include "doubles/fake_ansi_code_page.h"
#include "doubles/fake_registry.h"
#include "services/registry_access.h"

namespace morvane {
namespace {

TEST(RunValueType, OnlyAStringHoldingThePathCountsAsWritten) {
    const AutostartEntry entry{L"Badge", L"C:\\M.exe"};
    const std::vector<std::uint8_t> pathBytes{'C', ':', '\\', 'M', '.', 'e', 'x', 'e'};
    struct Row {
        const char* what;
        std::uint32_t type;
        std::vector<std::uint8_t> bytes;
        int writes;
    } rows[] = {
        {"binary path and one byte", reg::kRegBinary, {'C', ':', '\\', 'M', '.', 'e', 'x', 'e', 0}, 1},
        {"binary path", reg::kRegBinary, pathBytes, 1},
        {"string path", reg::kRegSz, RegistryStringData(entry.executablePath), 0},
    };
    for (const Row& row : rows) {
        FakeRegistry registry;
        FakeAnsiCodePage ansi;
        const RegistryAccess access{registry, ansi};
        registry.PutValue(reg::kHkeyCurrentUser, kAutostartRunKey, entry.productName, row.type, row.bytes);
        EXPECT_TRUE(access.SwitchAutostartOn(entry)) << row.what;
        EXPECT_TRUE(access.AutostartIsOn(entry)) << row.what;
        EXPECT_EQ(registry.writes, row.writes) << row.what;
    }
}

} // namespace
} // namespace morvane
