#pragma once
// The keyboard, the cursor and the keyboard layouts through user32 and kernel32.
#include "platform/input_cursor.h"
#include "platform/win32/lazy_library.h"

namespace morvane::win32 {

class Win32InputCursor : public InputCursor {
public:
    // From the asynchronous key state: it follows the keys whichever window
    // has the focus, which the indicator never has.
    bool KeyHeld(int virtualKey) const override;
    ScreenPoint CursorPosition() const override;
    WindowId WindowAt(ScreenPoint point) const override;
    KeyboardLayout KeyboardLayoutOf(WindowId window) const override;
    WindowId RootWindowOf(WindowId window) const override;
    WindowId ForegroundWindow() const override;
    WindowId ForegroundFocusWindow() const override;
    ThreadId ThreadOf(WindowId window) const override;
    InputHost InputHostOf(WindowId root) const override;
    std::wstring Iso639LanguageName(std::uint16_t languageId) const override;
    CursorSize SystemCursorSize() const override;

private:
    // For the default input-method window of a console; loaded when the
    // cursor first reaches one.
    mutable LazyLibrary imm32_{L"imm32.dll"};
};

} // namespace morvane::win32
