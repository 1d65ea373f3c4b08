#pragma once
// probe windows | children | popup: the windows of the program under test.
#include <windows.h>

#include <algorithm>
#include <set>
#include <string>

#include "output.h"
#include "window_facts.h"

namespace morvane::probe {

inline bool StartsWith(const std::wstring& text, const std::wstring& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

// Every top-level window whose class or title starts with the prefix, and
// every other top-level window of the same processes (hidden ones too).
inline int ReportWindows(const std::wstring& prefix) {
    const auto windows = TopLevelWindows();
    std::set<DWORD> processes;
    for (const HWND hwnd : windows)
        if (StartsWith(ClassOf(hwnd), prefix) || StartsWith(TitleOf(hwnd), prefix)) processes.insert(ProcessOf(hwnd));
    const HWND foreground = GetForegroundWindow();
    int count = 0;
    for (const HWND hwnd : windows) {
        const DWORD pid = ProcessOf(hwnd);
        if (processes.count(pid) == 0) continue;
        const RECT r = ScreenRectOf(hwnd);
        Record(L"window")
            .Field(L"hwnd", HandleText(hwnd))
            .Field(L"pid", pid)
            .Field(L"class", ClassOf(hwnd))
            .Flag(L"visible", IsWindowVisible(hwnd) != FALSE)
            .Flag(L"topmost", IsTopmost(hwnd))
            .Flag(L"foreground", hwnd == foreground)
            .Field(L"rect", RectText(r))
            .Field(L"size", SizeText(r))
            .Field(L"client", RectText(ClientScreenRectOf(hwnd)))
            .Field(L"region", RegionText(hwnd))
            .Field(L"owner", HandleText(GetWindow(hwnd, GW_OWNER)))
            .Field(L"exe", ExecutableOf(pid))
            .Field(L"title", TitleOf(hwnd))
            .Print();
        ++count;
    }
    Record(L"windows").Field(L"count", count).Print();
    return 0;
}

inline bool IsButtonOfKind(HWND hwnd, LONG_PTR kind) {
    return _wcsicmp(ClassOf(hwnd).c_str(), L"Button") == 0 && (GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK) == kind;
}

inline int ReportChildren(HWND top) {
    if (!top) {
        PrintLine(L"error\tno such window");
        return 2;
    }
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &thread);
    for (const HWND child : DescendantWindows(top)) {
        const RECT r = ScreenRectOf(child);
        Record record(L"child");
        record.Field(L"hwnd", HandleText(child))
            .Field(L"parent", HandleText(GetParent(child)))
            .Field(L"id", GetDlgCtrlID(child))
            .Field(L"class", ClassOf(child))
            .Flag(L"visible", IsWindowVisible(child) != FALSE)
            .Flag(L"enabled", IsWindowEnabled(child) != FALSE)
            .Flag(L"focus", child == thread.hwndFocus)
            .Flag(L"default", IsButtonOfKind(child, BS_DEFPUSHBUTTON))
            .Field(L"rect", RectText(r))
            .Field(L"size", SizeText(r));
        if (IsButtonOfKind(child, BS_CHECKBOX) || IsButtonOfKind(child, BS_AUTOCHECKBOX)) {
            DWORD_PTR state = 0;
            SendMessageTimeoutW(child, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 1000, &state);
            record.Flag(L"checked", state == BST_CHECKED);
        }
        record.Field(L"text", ControlTextOf(child)).Print();
    }
    return 0;
}

// The pop-up menu windows that are open now, with the process that shows them.
inline int ReportPopups() {
    int shown = 0;
    for (const HWND hwnd : TopLevelWindows()) {
        if (ClassOf(hwnd) != L"#32768" || !IsWindowVisible(hwnd)) continue;
        const RECT r = ScreenRectOf(hwnd);
        const DWORD pid = ProcessOf(hwnd);
        Record(L"popup")
            .Field(L"hwnd", HandleText(hwnd))
            .Field(L"pid", pid)
            .Field(L"rect", RectText(r))
            .Field(L"size", SizeText(r))
            .Field(L"exe", ExecutableOf(pid))
            .Print();
        ++shown;
    }
    Record(L"popups").Field(L"count", shown).Print();
    return 0;
}

} // namespace morvane::probe
