#include "platform/win32/dialog_keys.h"

namespace morvane::win32 {

bool TranslateDialogKeys(HWND dialog, MSG& message, const std::function<void()>& onEnter,
                         const std::function<void()>& onEscape) {
    if (!message.hwnd || (message.hwnd != dialog && !IsChild(dialog, message.hwnd))) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_RETURN) {
        onEnter();
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_ESCAPE) {
        onEscape();
        return true;
    }
    return IsDialogMessageW(dialog, &message) != 0;
}

} // namespace morvane::win32
