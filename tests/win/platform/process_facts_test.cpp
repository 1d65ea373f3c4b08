#include "platform/win32/process_facts_win32.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/version_record_win32.h"

namespace morvane::win32 {
namespace {

// The child run of this executable: it reports through its exit code
// whether it saw the command line and the instance mutex the parent set up.
constexpr wchar_t kChildTest[] = L"ProcessFactsChild.SeesItsCommandLineAndTheParentsInstance";
constexpr wchar_t kExpectedTextVariable[] = L"MORVANE_TEST_EXPECTED_COMMAND_LINE";
constexpr wchar_t kMutexVariable[] = L"MORVANE_TEST_INSTANCE_MUTEX";

std::wstring TestMutexName() {
    return L"Local\\Morvane3.WinTests." + std::to_wstring(GetCurrentProcessId());
}

std::wstring Variable(const wchar_t* name) {
    wchar_t buffer[1024] = {};
    const DWORD length = GetEnvironmentVariableW(name, buffer, 1024);
    return length > 0 && length < 1024 ? std::wstring(buffer, length) : std::wstring();
}

TEST(ProcessFacts, KnowsTheExecutablesDirectoryAndBaseName) {
    const Win32ProcessFacts facts(TestMutexName().c_str());
    const std::wstring path = ModulePath(nullptr);
    EXPECT_EQ(facts.ExecutablePath(), path);
    EXPECT_EQ(facts.ExecutableBaseName(), L"morvane_win_tests");
    EXPECT_EQ(facts.ExecutableDirectory() + L"\\morvane_win_tests.exe", path);
    EXPECT_NE(facts.ExecutableDirectory().back(), L'\\');
}

TEST(ProcessFacts, TheInstanceMutexIsSeenByASecondHandleAndReleasedWithTheFacts) {
    const std::wstring name = TestMutexName();
    {
        const Win32ProcessFacts first(name.c_str());
        EXPECT_FALSE(first.AnotherInstanceRunning());
        const Win32ProcessFacts second(name.c_str());
        EXPECT_TRUE(second.AnotherInstanceRunning());
        EXPECT_FALSE(first.AnotherInstanceRunning()) << "the answer is the one found at start";
    }
    const Win32ProcessFacts later(name.c_str());
    EXPECT_FALSE(later.AnotherInstanceRunning()) << "the mutex goes with the last holder";
}

TEST(ProcessFacts, AnotherProcessSeesTheInstanceAndGetsItsCommandLineText) {
    const std::wstring name = TestMutexName();
    const Win32ProcessFacts running(name.c_str());
    const std::wstring text = std::wstring(L"--gtest_filter=") + kChildTest + L" /help ";
    std::wstring commandLine = L"\"" + ModulePath(nullptr) + L"\"  \t" + text;
    SetEnvironmentVariableW(kExpectedTextVariable, text.c_str());
    SetEnvironmentVariableW(kMutexVariable, name.c_str());

    // The child's own report would only clutter this one.
    SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    const UniqueKernelHandle nowhere(
        CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = nowhere.get();
    startup.hStdError = nowhere.get();
    PROCESS_INFORMATION child{};
    ASSERT_TRUE(CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                               &child));
    const UniqueKernelHandle process(child.hProcess);
    const UniqueKernelHandle thread(child.hThread);
    WaitForSingleObject(process.get(), INFINITE);
    DWORD exitCode = 1;
    GetExitCodeProcess(process.get(), &exitCode);
    SetEnvironmentVariableW(kExpectedTextVariable, nullptr);
    SetEnvironmentVariableW(kMutexVariable, nullptr);
    EXPECT_EQ(exitCode, 0u) << "the child run failed; run it alone to see why";
}

TEST(ProcessFactsChild, SeesItsCommandLineAndTheParentsInstance) {
    const std::wstring expected = Variable(kExpectedTextVariable);
    if (expected.empty()) GTEST_SKIP() << "runs as the child of ProcessFacts.AnotherProcessSees...";
    const Win32ProcessFacts facts(Variable(kMutexVariable).c_str());
    EXPECT_EQ(facts.CommandLineText(), expected);
    EXPECT_TRUE(facts.AnotherInstanceRunning());
}

TEST(VersionRecord, TheProgramCarriesItsVersionRecord) {
    const Win32ProcessFacts facts(TestMutexName().c_str());
    const std::optional<VersionRecord> record =
        ReadVersionRecordOfFile(facts.ExecutableDirectory() + L"\\Morvane3.exe");
    ASSERT_TRUE(record) << "Morvane3.exe is built beside the tests";
    EXPECT_EQ(record->Major, 3);
    EXPECT_EQ(record->Minor, 23);
    EXPECT_EQ(record->Revision, 0);
    EXPECT_EQ(record->CompanyName, L"Zantor Ltd");
    EXPECT_EQ(record->Title, L"Morvane3");
    EXPECT_EQ(record->ProductName, L"Morvane Language Badge \u00AE");
    EXPECT_EQ(record->LegalTrademarks, L"Morvane3\u2122");
    EXPECT_EQ(record->LegalCopyright, L"Copyright \u00A9 2026 Zantor Ltd");
    EXPECT_EQ(record->Comments, L"https://www.zantor.example, mailto:morvane@zantor.example");
    EXPECT_FALSE(record->FileDescription.empty());
}

TEST(VersionRecord, AnExecutableWithoutOneGivesAnEmptyRecord) {
    const Win32ProcessFacts facts(TestMutexName().c_str());
    EXPECT_EQ(facts.Version().Major, 0) << "the tests carry no version resource";
    EXPECT_EQ(facts.Version().CompanyName, L"");
    EXPECT_FALSE(ReadVersionRecordOfFile(facts.ExecutableDirectory() + L"\\no such file.exe"));
}

} // namespace
} // namespace morvane::win32
