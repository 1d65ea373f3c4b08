#pragma once
// Plays the user of a modal system dialog that the test's own thread opens:
// a second thread waits for the dialog to be up, records how it looks, may
// work its controls, and then presses one of its buttons.
#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace morvane::win32::test_support {

struct DialogFacts {
    bool found = false;
    std::wstring caption;
    bool topmost = false;
    RECT outer{};
};

class DialogDriver {
public:
    using Action = std::function<void(HWND dialog)>;

    DialogDriver(int button, Action act = {})
        : thread_([this, ui = GetCurrentThreadId(), button, act = std::move(act)] { Drive(ui, button, act); }) {}
    DialogDriver(const DialogDriver&) = delete;
    DialogDriver& operator=(const DialogDriver&) = delete;
    ~DialogDriver() { Finish(); }

    // Waits for the driver to be done; facts are complete afterwards.
    const DialogFacts& Finish() {
        if (thread_.joinable()) thread_.join();
        return facts_;
    }

private:
    static BOOL CALLBACK MatchDialog(HWND window, LPARAM found) {
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (std::wstring(className) != L"#32770" || !IsWindowVisible(window)) return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }

    // A dialog is shown only after its WM_INITDIALOG (and so the hook) has run.
    static HWND WaitForDialog(DWORD uiThread) {
        constexpr int kAttempts = 1000;  // ten seconds at the least
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            HWND dialog = nullptr;
            EnumThreadWindows(uiThread, MatchDialog, reinterpret_cast<LPARAM>(&dialog));
            if (dialog) return dialog;
            Sleep(10);
        }
        return nullptr;
    }

    void Drive(DWORD uiThread, int button, const Action& act) {
        HWND dialog = WaitForDialog(uiThread);
        if (!dialog) return;
        facts_.found = true;
        wchar_t caption[256] = {};
        GetWindowTextW(dialog, caption, 256);
        facts_.caption = caption;
        facts_.topmost = (GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
        GetWindowRect(dialog, &facts_.outer);
        if (act) act(dialog);
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    }

    DialogFacts facts_;
    std::thread thread_;  // last: starts once everything else is in place
};

} // namespace morvane::win32::test_support
