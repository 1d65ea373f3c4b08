// Two copies of the program that start at the same moment: exactly one of
// them may find no other running. Each round starts two child runs of this
// test executable, lets them claim a test-only instance mutex at the same
// moment, and counts how many saw none.
#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "platform/win32/handles.h"
#include "platform/win32/process_facts_win32.h"

namespace morvane::win32 {
namespace {

constexpr wchar_t kChildTest[] = L"InstanceRaceChild.ClaimsTheInstanceWhenTold";
constexpr wchar_t kRaceVariable[] = L"MORVANE_TEST_INSTANCE_RACE";
// Only for a child that never hears from its parent.
constexpr DWORD kGiveUpMs = 60000;

// The kernel objects one round shares between the parent and its two children.
struct RaceNames {
    explicit RaceNames(const std::wstring& prefix)
        : mutex(prefix + L".Instance"),
          ready(prefix + L".Ready"),
          go(prefix + L".Go"),
          decided(prefix + L".Decided"),
          noneSeen(prefix + L".NoneSeen"),
          release(prefix + L".Release") {}
    std::wstring mutex;
    std::wstring ready;     // semaphore: a child is waiting for go
    std::wstring go;        // event: claim the instance now
    std::wstring decided;   // semaphore: a child has its answer
    std::wstring noneSeen;  // semaphore: a child saw no other instance
    std::wstring release;   // event: let go of the instance and end
};

std::wstring Variable(const wchar_t* name) {
    wchar_t buffer[512] = {};
    const DWORD length = GetEnvironmentVariableW(name, buffer, 512);
    return length > 0 && length < 512 ? std::wstring(buffer, length) : std::wstring();
}

UniqueKernelHandle Semaphore(const std::wstring& name) {
    return UniqueKernelHandle(CreateSemaphoreW(nullptr, 0, 2, name.c_str()));
}
UniqueKernelHandle Event(const std::wstring& name) {
    return UniqueKernelHandle(CreateEventW(nullptr, TRUE, FALSE, name.c_str()));
}

// A child run of this executable with its output thrown away; ended by force
// if it is still running when the parent's test gives up.
class ChildRun {
public:
    ChildRun() {
        std::wstring commandLine = L"\"" + ModulePath(nullptr) + L"\" --gtest_filter=" + kChildTest;
        SECURITY_ATTRIBUTES inherited{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
        nowhere_.reset(CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inherited, OPEN_EXISTING, 0, nullptr));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdOutput = nowhere_.get();
        startup.hStdError = nowhere_.get();
        PROCESS_INFORMATION child{};
        if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                            &child)) {
            return;
        }
        process_.reset(child.hProcess);
        thread_.reset(child.hThread);
    }
    ChildRun(const ChildRun&) = delete;
    ChildRun& operator=(const ChildRun&) = delete;
    ~ChildRun() {
        if (process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) TerminateProcess(process_.get(), 99);
    }

    bool Started() const { return static_cast<bool>(process_); }
    // The exit code once it has ended; its gtest run passed at 0.
    DWORD WaitForExitCode() const {
        WaitForSingleObject(process_.get(), INFINITE);
        DWORD code = 1;
        GetExitCodeProcess(process_.get(), &code);
        return code;
    }
    HANDLE Process() const { return process_.get(); }

private:
    UniqueKernelHandle nowhere_;
    UniqueKernelHandle process_;
    UniqueKernelHandle thread_;
};

// Waits for one count of the semaphore, or for a child to end first.
bool CountFrom(HANDLE semaphore, const std::array<ChildRun, 2>& children) {
    const HANDLE handles[] = {semaphore, children[0].Process(), children[1].Process()};
    return WaitForMultipleObjects(3, handles, FALSE, kGiveUpMs) == WAIT_OBJECT_0;
}

TEST(InstanceRace, OfTwoCopiesStartedAtTheSameMomentExactlyOneSeesNoOther) {
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        const std::wstring prefix =
            L"Local\\Morvane3.WinTests.Race." + std::to_wstring(GetCurrentProcessId()) + L"." + std::to_wstring(round);
        const RaceNames names(prefix);
        const UniqueKernelHandle ready = Semaphore(names.ready);
        const UniqueKernelHandle decided = Semaphore(names.decided);
        const UniqueKernelHandle noneSeen = Semaphore(names.noneSeen);
        const UniqueKernelHandle go = Event(names.go);
        const UniqueKernelHandle release = Event(names.release);
        ASSERT_TRUE(ready && decided && noneSeen && go && release);

        SetEnvironmentVariableW(kRaceVariable, prefix.c_str());
        const std::array<ChildRun, 2> children;
        SetEnvironmentVariableW(kRaceVariable, nullptr);
        ASSERT_TRUE(children[0].Started() && children[1].Started());

        ASSERT_TRUE(CountFrom(ready.get(), children) && CountFrom(ready.get(), children)) << "a child never got ready";
        SetEvent(go.get());
        ASSERT_TRUE(CountFrom(decided.get(), children) && CountFrom(decided.get(), children))
            << "a child never claimed the instance";
        SetEvent(release.get());
        EXPECT_EQ(children[0].WaitForExitCode(), 0u);
        EXPECT_EQ(children[1].WaitForExitCode(), 0u);

        int sawNone = 0;
        while (WaitForSingleObject(noneSeen.get(), 0) == WAIT_OBJECT_0) ++sawNone;
        EXPECT_EQ(sawNone, 1) << "copies that found no other running";
    }
}

TEST(InstanceRaceChild, ClaimsTheInstanceWhenTold) {
    const std::wstring prefix = Variable(kRaceVariable);
    if (prefix.empty()) GTEST_SKIP() << "runs as a child of InstanceRace.OfTwoCopies...";
    const RaceNames names(prefix);
    const UniqueKernelHandle ready(OpenSemaphoreW(SEMAPHORE_MODIFY_STATE, FALSE, names.ready.c_str()));
    const UniqueKernelHandle decided(OpenSemaphoreW(SEMAPHORE_MODIFY_STATE, FALSE, names.decided.c_str()));
    const UniqueKernelHandle noneSeen(OpenSemaphoreW(SEMAPHORE_MODIFY_STATE, FALSE, names.noneSeen.c_str()));
    const UniqueKernelHandle go(OpenEventW(SYNCHRONIZE, FALSE, names.go.c_str()));
    const UniqueKernelHandle release(OpenEventW(SYNCHRONIZE, FALSE, names.release.c_str()));
    ASSERT_TRUE(ready && decided && noneSeen && go && release);

    ReleaseSemaphore(ready.get(), 1, nullptr);
    ASSERT_EQ(WaitForSingleObject(go.get(), kGiveUpMs), WAIT_OBJECT_0);
    // Held until the parent has both answers, as a running copy holds it.
    const Win32ProcessFacts facts(names.mutex.c_str());
    if (!facts.AnotherInstanceRunning()) ReleaseSemaphore(noneSeen.get(), 1, nullptr);
    ReleaseSemaphore(decided.get(), 1, nullptr);
    ASSERT_EQ(WaitForSingleObject(release.get(), kGiveUpMs), WAIT_OBJECT_0);
}

} // namespace
} // namespace morvane::win32
