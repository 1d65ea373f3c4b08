#pragma once
// Keyboard, cursor, windows and layouts that a test sets as it needs them.
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "platform/input_cursor.h"

namespace morvane {

class FakeInputCursor : public InputCursor {
public:
    std::set<int> keysHeld;
    ScreenPoint position;
    std::map<std::pair<std::int32_t, std::int32_t>, WindowId> windowsAt;  // by (x, y); none elsewhere
    std::map<WindowId, KeyboardLayout> layouts;  // a window missing here has the thread's layout
    KeyboardLayout threadLayout = 0x04090409;
    std::map<WindowId, WindowId> roots;  // a window missing here is top-level
    WindowId foreground = kNoWindow;
    WindowId focus = kNoWindow;
    std::map<WindowId, InputHost> hosts;      // app frames and consoles
    std::map<WindowId, ThreadId> threads;     // a window missing here has a thread of its own, numbered as it
    mutable int hostLookups = 0;
    std::map<std::uint16_t, std::wstring> languageNames{{0x0409, L"en"}, {0x0407, L"de"}, {0x0419, L"ru"}};
    CursorSize cursorSize{32, 32};
    mutable int languageLookups = 0;

    bool KeyHeld(int virtualKey) const override { return keysHeld.contains(virtualKey); }
    ScreenPoint CursorPosition() const override { return position; }
    WindowId WindowAt(ScreenPoint point) const override {
        const auto found = windowsAt.find({point.x, point.y});
        return found == windowsAt.end() ? kNoWindow : found->second;
    }
    KeyboardLayout KeyboardLayoutOf(WindowId window) const override {
        const auto found = layouts.find(window);
        return found == layouts.end() ? threadLayout : found->second;
    }
    WindowId RootWindowOf(WindowId window) const override {
        const auto found = roots.find(window);
        return found == roots.end() ? window : found->second;
    }
    WindowId ForegroundWindow() const override { return foreground; }
    WindowId ForegroundFocusWindow() const override { return focus; }
    ThreadId ThreadOf(WindowId window) const override {
        const auto found = threads.find(window);
        return found == threads.end() ? static_cast<ThreadId>(window) : found->second;
    }
    InputHost InputHostOf(WindowId root) const override {
        ++hostLookups;
        const auto found = hosts.find(root);
        return found == hosts.end() ? InputHost{} : found->second;
    }
    std::wstring Iso639LanguageName(std::uint16_t languageId) const override {
        ++languageLookups;
        const auto found = languageNames.find(languageId);
        return found == languageNames.end() ? std::wstring() : found->second;
    }
    CursorSize SystemCursorSize() const override { return cursorSize; }
};

} // namespace morvane
