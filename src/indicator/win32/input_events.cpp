#include "indicator/win32/input_events.h"

namespace morvane::win32 {

namespace {

// The hooks' procedures have no context of their own.
InputEvents* installed = nullptr;

UniqueWinEventHook HookWinEvent(DWORD event, WINEVENTPROC procedure) {
    return UniqueWinEventHook(SetWinEventHook(event, event, nullptr, procedure, 0, 0, WINEVENT_OUTOFCONTEXT));
}

} // namespace

bool InputEvents::Install() {
    Uninstall();
    SetMouseHook(true);
    keyboard_.reset(SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardHook, GetModuleHandleW(nullptr), 0));
    foreground_ = HookWinEvent(EVENT_SYSTEM_FOREGROUND, WinEventHook);
    focus_ = HookWinEvent(EVENT_OBJECT_FOCUS, WinEventHook);
    if (!mouse_ || !keyboard_ || !foreground_ || !focus_) {
        Uninstall();
        return false;
    }
    installed = this;
    return true;
}

bool InputEvents::SetMouseHook(bool on) {
    if (!on) {
        mouse_.reset();
    } else if (!mouse_) {
        mouse_.reset(SetWindowsHookExW(WH_MOUSE_LL, MouseHook, GetModuleHandleW(nullptr), 0));
    }
    return mouse_ || !on;
}

void InputEvents::Uninstall() {
    if (installed == this) installed = nullptr;
    mouse_.reset();
    keyboard_.reset();
    foreground_.reset();
    focus_.reset();
}

std::uint32_t InputEvents::LastInputMs() {
    LASTINPUTINFO last{sizeof last, 0};
    return GetLastInputInfo(&last) ? last.dwTime : GetTickCount();
}

void InputEvents::Raise(WakeEvent event) {
    if (installed != nullptr && installed->onEvent_) installed->onEvent_(event);
}

LRESULT CALLBACK InputEvents::MouseHook(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION) Raise(message == WM_MOUSEMOVE ? WakeEvent::Moved : WakeEvent::Button);
    return CallNextHookEx(nullptr, code, message, data);
}

LRESULT CALLBACK InputEvents::KeyboardHook(int code, WPARAM message, LPARAM data) {
    if (code == HC_ACTION) Raise(WakeEvent::Key);
    return CallNextHookEx(nullptr, code, message, data);
}

void CALLBACK InputEvents::WinEventHook(HWINEVENTHOOK, DWORD event, HWND, LONG, LONG, DWORD, DWORD) {
    Raise(event == EVENT_SYSTEM_FOREGROUND ? WakeEvent::Foreground : WakeEvent::Focus);
}

} // namespace morvane::win32
