#include "platform/win32/input_cursor_win32.h"

#include <windows.h>

#include <array>
#include <string_view>

namespace morvane::win32 {

bool Win32InputCursor::KeyHeld(int virtualKey) const {
    return (static_cast<unsigned short>(GetAsyncKeyState(virtualKey)) & 0x8000) != 0;
}

ScreenPoint Win32InputCursor::CursorPosition() const {
    POINT point{};
    GetCursorPos(&point);
    return {point.x, point.y};
}

WindowId Win32InputCursor::WindowAt(ScreenPoint point) const {
    return reinterpret_cast<WindowId>(WindowFromPoint(POINT{point.x, point.y}));
}

KeyboardLayout Win32InputCursor::KeyboardLayoutOf(WindowId window) const {
    const DWORD thread = ThreadOf(window);
    // The handle's low 32 bits are the whole layout: language and device.
    return static_cast<KeyboardLayout>(reinterpret_cast<std::uintptr_t>(GetKeyboardLayout(thread)));
}

WindowId Win32InputCursor::RootWindowOf(WindowId window) const {
    return reinterpret_cast<WindowId>(GetAncestor(reinterpret_cast<HWND>(window), GA_ROOT));
}

WindowId Win32InputCursor::ForegroundWindow() const {
    return reinterpret_cast<WindowId>(GetForegroundWindow());
}

WindowId Win32InputCursor::ForegroundFocusWindow() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    // Thread 0: the foreground thread, whichever process owns it.
    if (!GetGUIThreadInfo(0, &info)) return kNoWindow;
    return reinterpret_cast<WindowId>(info.hwndFocus);
}

ThreadId Win32InputCursor::ThreadOf(WindowId window) const {
    return GetWindowThreadProcessId(reinterpret_cast<HWND>(window), nullptr);
}

InputHost Win32InputCursor::InputHostOf(WindowId root) const {
    const HWND window = reinterpret_cast<HWND>(root);
    std::array<wchar_t, 32> classBuffer{};
    const int length = GetClassNameW(window, classBuffer.data(), static_cast<int>(classBuffer.size()));
    const std::wstring_view className(classBuffer.data(), static_cast<std::size_t>(length));
    if (className == L"ApplicationFrameWindow") {
        return {true, reinterpret_cast<WindowId>(FindWindowExW(window, nullptr, L"Windows.UI.Core.CoreWindow", nullptr))};
    }
    if (className == L"ConsoleWindowClass") {
        // The console host's input thread owns the console's default
        // input-method window, which the system looks up without a message.
        const auto defaultImeWindow = imm32_.Find<HWND WINAPI(HWND)>("ImmGetDefaultIMEWnd");
        return {true, defaultImeWindow ? reinterpret_cast<WindowId>(defaultImeWindow(window)) : kNoWindow};
    }
    return {};
}

std::wstring Win32InputCursor::Iso639LanguageName(std::uint16_t languageId) const {
    std::array<char, 4> buffer{};
    const int written = GetLocaleInfoA(MAKELCID(languageId, SORT_DEFAULT), LOCALE_SISO639LANGNAME, buffer.data(),
                                       static_cast<int>(buffer.size()));
    std::wstring name;
    // The name is ASCII letters; the count includes the terminating zero.
    for (int i = 0; i + 1 < written; ++i) name.push_back(static_cast<wchar_t>(static_cast<unsigned char>(buffer[i])));
    return name;
}

CursorSize Win32InputCursor::SystemCursorSize() const {
    return {static_cast<std::int16_t>(GetSystemMetrics(SM_CXCURSOR)),
            static_cast<std::int16_t>(GetSystemMetrics(SM_CYCURSOR))};
}

} // namespace morvane::win32
