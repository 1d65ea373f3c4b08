#pragma once
// What the reference programs of benchmarks/run.sh share: one small topmost
// window, shown at once, and a timer (1 ms unless told; none for 0) whose
// ticks go to onTick.
#include <windows.h>

namespace reference {

using TickHandler = void (*)(HWND window);

inline TickHandler onTick = nullptr;

inline LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        if (onTick) onTick(window);
        return 0;
    }
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// Runs the window until it is closed; its class and title are name.
inline int RunReferenceWindow(HINSTANCE instance, const wchar_t* name, TickHandler tick, UINT timerMs = 1) {
    onTick = tick;
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = name;
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, name, name, WS_POPUP | WS_VISIBLE, 100,
                                        100, 24, 16, nullptr, nullptr, instance, nullptr);
    if (timerMs > 0) SetTimer(window, 1, timerMs, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}

} // namespace reference
