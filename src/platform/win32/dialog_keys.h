#pragma once
// The keys of a dialog that the message loop runs itself.
#include <windows.h>

#include <functional>

namespace morvane::win32 {

// Handles a message meant for the dialog or one of its controls before it is
// dispatched: Enter and Escape run the given actions, Tab, arrows and access
// keys move among the controls. True when the message was handled and must
// not be dispatched; messages for other windows are left alone.
bool TranslateDialogKeys(HWND dialog, MSG& message, const std::function<void()>& onEnter,
                         const std::function<void()>& onEscape);

} // namespace morvane::win32
