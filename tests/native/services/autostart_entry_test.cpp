#include "services/autostart_entry.h"

#include <gtest/gtest.h>

#include "doubles/fake_process_facts.h"

namespace morvane {
namespace {

TEST(AutostartEntryOf, NamesTheProductAndHoldsTheDirectoryBaseNameAndExe) {
    FakeProcessFacts process;
    process.directory = L"D:\\Program Files\\Badge";
    process.baseName = L"Morvane3 copy";
    const AutostartEntry entry = AutostartEntryOf(process);
    EXPECT_EQ(entry.productName, L"Morvane Language Badge \u00AE");
    EXPECT_EQ(entry.executablePath, L"D:\\Program Files\\Badge\\Morvane3 copy.exe") << "no quotes, no arguments";
    EXPECT_EQ(ProgramExecutablePath(process), entry.executablePath);
}

TEST(AutostartEntryOf, AnExecutableInARootDirectoryGetsOneSeparator) {
    FakeProcessFacts process;
    process.directory = L"C:";
    EXPECT_EQ(ProgramExecutablePath(process), L"C:\\Morvane3.exe");
}

} // namespace
} // namespace morvane
