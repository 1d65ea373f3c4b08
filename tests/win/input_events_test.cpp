// The events that wake the indicator, from the real system: input made with
// SendInput over a window of the test's own, and a foreground change.
#include "indicator/win32/input_events.h"

#include <gtest/gtest.h>

#include <set>
#include <tuple>

namespace morvane::win32 {
namespace {

TEST(InputEvents, RealInputAndAForegroundChangeArriveUntilUninstalled) {
    std::multiset<WakeEvent> seen;
    InputEvents events([&](WakeEvent event) { seen.insert(event); });
    ASSERT_TRUE(events.Install());
    const auto window = [](int left) {
        return CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, left, 100, 200, 200, nullptr, nullptr,
                               nullptr, nullptr);
    };
    const HWND first = window(100), second = window(400);
    // The messages of this thread, which run the hooks, until the event has come (at most 2 s).
    const auto arrives = [&](WakeEvent event) {
        for (const DWORD end = GetTickCount() + 2000; !seen.count(event) && GetTickCount() < end; Sleep(5)) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        }
        return seen.count(event) > 0;
    };
    INPUT move{}, key{};
    move.type = INPUT_MOUSE;
    move.mi.dx = 200 * 65535 / GetSystemMetrics(SM_CXSCREEN);
    move.mi.dy = 200 * 65535 / GetSystemMetrics(SM_CYSCREEN);
    move.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    std::tie(key.type, key.ki.wVk) = std::tuple(INPUT_KEYBOARD, WORD{VK_F24});
    const DWORD before = GetTickCount();
    ASSERT_EQ(SendInput(1, &move, sizeof move), 1u);
    EXPECT_TRUE(arrives(WakeEvent::Moved)) << "a move over the test's window";
    const DWORD noted = InputEvents::LastInputMs();
    EXPECT_TRUE(noted - before <= GetTickCount() - before) << "the last input on the same clock: " << noted;
    ASSERT_EQ(SendInput(1, &key, sizeof key), 1u);
    key.ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(1, &key, sizeof key);
    EXPECT_TRUE(arrives(WakeEvent::Key));
    SetForegroundWindow(first);
    SetForegroundWindow(second);
    // Windows raises the foreground event and the focus event; Wine only the focus event.
    EXPECT_TRUE(arrives(WakeEvent::Focus) || arrives(WakeEvent::Foreground)) << "a foreground change";

    events.Uninstall();
    seen.clear();
    move.mi.dx += 100;
    SendInput(1, &move, sizeof move);
    EXPECT_FALSE(arrives(WakeEvent::Moved)) << "uninstalled";
    DestroyWindow(first);
    DestroyWindow(second);
}

} // namespace
} // namespace morvane::win32
