#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/input_cursor_win32.h"

namespace morvane::win32 {
namespace {

WindowId Id(HWND window) { return reinterpret_cast<WindowId>(window); }

// The facts the tick reads to find where typing goes: the root of a child,
// the foreground window and, from the foreground thread, its focus window.
TEST(InputCursor, TheForegroundThreadsFocusWindow) {
    const HWND frame = CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                                       nullptr, nullptr, nullptr, nullptr);
    const HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 30, frame, nullptr, nullptr,
                                      nullptr);
    ASSERT_TRUE(frame && edit);
    SetForegroundWindow(frame);
    SetFocus(edit);
    const Win32InputCursor input;
    EXPECT_EQ(input.RootWindowOf(Id(edit)), Id(frame));
    EXPECT_EQ(input.ForegroundWindow(), Id(frame));
    EXPECT_EQ(input.ForegroundFocusWindow(), Id(edit));
    EXPECT_EQ(input.AppCoreWindowOf(Id(frame)), kNoWindow) << "not an app frame";
    DestroyWindow(frame);
}

} // namespace
} // namespace morvane::win32
