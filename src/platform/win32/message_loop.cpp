#include "platform/win32/message_loop.h"

#include <algorithm>

namespace morvane::win32 {

void RunMessageLoop(std::initializer_list<Window*> windows) {
    const auto anyLoaded = [&] {
        return std::any_of(windows.begin(), windows.end(), [](const Window* w) { return w->IsLoaded(); });
    };
    MSG message{};
    while (anyLoaded()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (got == -1) return;
        const bool handled = std::any_of(windows.begin(), windows.end(), [&](Window* w) {
            return w->IsLoaded() && w->PreTranslateMessage(message);
        });
        if (handled) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace morvane::win32
