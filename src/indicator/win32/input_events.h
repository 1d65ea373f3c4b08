#pragma once
// The events that wake the indicator: low-level mouse and keyboard hooks and
// out-of-context WinEvent hooks for the foreground and the focus, all run by
// this thread's message loop; no code goes into other programs. Only the
// kind of an event is passed on: which key, where or what is never kept.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "indicator/wake_scheduler.h"
#include "platform/win32/handles.h"

namespace morvane::win32 {

class InputEvents {
public:
    // onEvent runs inside the hook, on this thread: it must return at once,
    // or the system removes the hook.
    explicit InputEvents(std::function<void(WakeEvent)> onEvent) : onEvent_(std::move(onEvent)) {}
    InputEvents(const InputEvents&) = delete;
    InputEvents& operator=(const InputEvents&) = delete;
    ~InputEvents() { Uninstall(); }

    // Installs every hook anew, replacing any the system has removed; false,
    // with none installed, when one cannot be. One object at a time is installed.
    bool Install();
    void Uninstall();
    // The mouse hook alone off or on again; false when it cannot be installed.
    bool SetMouseHook(bool on);
    bool MouseHooked() const { return static_cast<bool>(mouse_); }

    // When the system last saw input from the user, on the GetTickCount clock.
    static std::uint32_t LastInputMs();

private:
    static LRESULT CALLBACK MouseHook(int code, WPARAM message, LPARAM data);
    static LRESULT CALLBACK KeyboardHook(int code, WPARAM message, LPARAM data);
    static void CALLBACK WinEventHook(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object, LONG child,
                                      DWORD thread, DWORD time);
    static void Raise(WakeEvent event);

    std::function<void(WakeEvent)> onEvent_;
    UniqueHook mouse_;
    UniqueHook keyboard_;
    UniqueWinEventHook foreground_;
    UniqueWinEventHook focus_;
};

} // namespace morvane::win32
