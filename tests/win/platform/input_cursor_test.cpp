#include "platform/win32/input_cursor_win32.h"

#include <gtest/gtest.h>

#include "test_window.h"

namespace morvane::win32 {
namespace {

using test_support::TestWindow;

// Wine brings its key state in line with the X server's keyboard while it
// handles pending window events, so those are handled before the key is sent.
void SendKey(WORD key, bool down) {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
}

TEST(InputCursor, LanguageNamesAreTheIso639Names) {
    const Win32InputCursor input;
    EXPECT_EQ(input.Iso639LanguageName(0x0409), L"en");
    EXPECT_EQ(input.Iso639LanguageName(0x0407), L"de");
    EXPECT_EQ(input.Iso639LanguageName(0x0419), L"ru");
}

TEST(InputCursor, CursorPositionAndTheWindowUnderIt) {
    TestWindow window;
    ASSERT_TRUE(window.LoadTopLevel(WS_POPUP));
    window.Move(3000, 3000, 1500, 1500);  // 200, 200, 100 x 100 pixels
    SetWindowPos(window.hWnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    ASSERT_TRUE(SetCursorPos(250, 240));
    const Win32InputCursor input;
    EXPECT_EQ(input.CursorPosition(), (ScreenPoint{250, 240}));
    EXPECT_EQ(input.WindowAt({250, 240}), reinterpret_cast<WindowId>(window.hWnd()));
}

TEST(InputCursor, KeyboardLayoutOfAWindowIsItsThreadsLayout) {
    TestWindow window;
    ASSERT_TRUE(window.LoadTopLevel());
    const Win32InputCursor input;
    const auto own = static_cast<KeyboardLayout>(reinterpret_cast<std::uintptr_t>(GetKeyboardLayout(0)));
    EXPECT_EQ(input.KeyboardLayoutOf(reinterpret_cast<WindowId>(window.hWnd())), own);
    EXPECT_EQ(input.KeyboardLayoutOf(kNoWindow), own) << "no window: the calling thread's layout";
}

TEST(InputCursor, KeyHeldFollowsTheKeyWithoutTheFocus) {
    const Win32InputCursor input;
    SendKey(VK_LSHIFT, true);
    EXPECT_TRUE(input.KeyHeld(virtual_key::kLeftShift));
    SendKey(VK_LSHIFT, false);
    EXPECT_FALSE(input.KeyHeld(virtual_key::kLeftShift));
}

} // namespace
} // namespace morvane::win32
