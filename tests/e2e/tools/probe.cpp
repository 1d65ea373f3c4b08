// The probe of the end-to-end scenarios: reads the windows and controls of
// the program under test and does the few things a script cannot do through
// the X server. Output is UTF-8, one record a line, "kind<TAB>name=value...",
// so that scripts can grep it.
//
//   probe windows [prefix]       windows whose class or title starts with the
//                                prefix (default "Morvane3") and all other
//                                top-level windows of their processes
//   probe children <window>      the controls inside a window
//   probe click <window> <text>  presses the button with that caption
//   probe hold                   keeps Wine's desktop up until ended
//   probe move <window> <x> <y> <width> <height>
// A <window> is a handle (decimal or 0x...), a class name or a title.
// Exit code 0 on success, 2 when the thing asked for is not there, 1 on a
// usage error.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <set>
#include <string>
#include <vector>

#include "platform/win32/handles.h"

namespace {

using morvane::win32::UniqueKernelHandle;
using morvane::win32::UniqueRegion;

// One record: its kind, then tab-separated fields; tabs and line breaks in a
// value are written as \t, \r and \n.
class Record {
public:
    explicit Record(const wchar_t* kind) : line_(kind) {}
    Record& Field(const wchar_t* name, const std::wstring& value) {
        line_.append(L"\t").append(name).append(L"=");
        for (const wchar_t c : value) line_ += c == L'\t' ? L"\\t" : c == L'\r' ? L"\\r" : c == L'\n' ? L"\\n" : std::wstring(1, c);
        return *this;
    }
    Record& Field(const wchar_t* name, long long value) { return Field(name, std::to_wstring(value)); }
    Record& Flag(const wchar_t* name, bool value) { return Field(name, value ? L"1" : L"0"); }
    ~Record() {
        line_ += L"\n";
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, line_.data(), int(line_.size()), nullptr, 0, nullptr, nullptr);
        std::string text(std::size_t(bytes), '\0');
        WideCharToMultiByte(CP_UTF8, 0, line_.data(), int(line_.size()), text.data(), bytes, nullptr, nullptr);
        DWORD written = 0;
        WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), DWORD(text.size()), &written, nullptr);
    }

private:
    std::wstring line_;
};

std::wstring Text(const wchar_t* format, long long a, long long b = 0, long long c = 0, long long d = 0) {
    wchar_t buffer[96];
    return swprintf(buffer, 96, format, a, b, c, d), buffer;
}
std::wstring Hex(const void* handle) { return Text(L"0x%llx", static_cast<long long>(reinterpret_cast<std::intptr_t>(handle))); }
std::wstring RectText(const RECT& r) { return Text(L"%lld,%lld,%lld,%lld", r.left, r.top, r.right, r.bottom); }
std::wstring SizeText(const RECT& r) { return Text(L"%lldx%lld", r.right - r.left, r.bottom - r.top); }
RECT RectOf(HWND hwnd) {
    RECT r{};
    return GetWindowRect(hwnd, &r), r;
}
BOOL CALLBACK Collect(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}
std::vector<HWND> Windows(HWND parent = nullptr) {
    std::vector<HWND> windows;
    if (parent) EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&windows));
    else EnumWindows(Collect, reinterpret_cast<LPARAM>(&windows));
    return windows;
}
std::wstring ClassOf(HWND hwnd) {
    wchar_t buffer[256] = {};
    return GetClassNameW(hwnd, buffer, 256), buffer;
}
// The caption as the system keeps it: no message reaches the window.
std::wstring TitleOf(HWND hwnd) {
    wchar_t buffer[512] = {};
    return GetWindowTextW(hwnd, buffer, 512), buffer;
}
// A control's own text (an edit box keeps it), never waiting on a hung window.
std::wstring TextOf(HWND hwnd) {
    wchar_t buffer[1024] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG, 1000, &copied))
        return TitleOf(hwnd);
    return buffer;
}
DWORD ProcessOf(HWND hwnd) {
    DWORD pid = 0;
    return GetWindowThreadProcessId(hwnd, &pid), pid;
}
std::wstring ExecutableOf(DWORD pid) {
    const UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    wchar_t path[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    return process && QueryFullProcessImageNameW(process.get(), 0, path, &size) ? path : L"";
}
// "none" without a window region, else its box and the number of its rectangles.
std::wstring RegionText(HWND hwnd) {
    const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(hwnd, region.get()) == ERROR) return L"none";
    RECT box{};
    GetRgnBox(region.get(), &box);
    std::vector<BYTE> data(GetRegionData(region.get(), 0, nullptr) + sizeof(RGNDATAHEADER));
    GetRegionData(region.get(), DWORD(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
    return RectText(box) + L"/" + std::to_wstring(reinterpret_cast<const RGNDATA*>(data.data())->rdh.nCount);
}
bool IsButton(HWND hwnd, LONG_PTR kind) {
    return _wcsicmp(ClassOf(hwnd).c_str(), L"Button") == 0 && (GetWindowLongPtrW(hwnd, GWL_STYLE) & BS_TYPEMASK) == kind;
}
std::wstring WithoutMnemonics(const std::wstring& text) {
    std::wstring plain;
    for (std::size_t i = 0; i < text.size(); ++i) plain += text[i == text.size() - 1 || text[i] != L'&' ? i : ++i];
    return plain;
}
HWND Named(const std::wstring& name) {
    wchar_t* end = nullptr;
    const long long number = std::wcstoll(name.c_str(), &end, 0);
    if (!name.empty() && *end == L'\0') return IsWindow(HWND(INT_PTR(number))) ? HWND(INT_PTR(number)) : nullptr;
    for (const HWND hwnd : Windows()) if (ClassOf(hwnd) == name) return hwnd;
    for (const HWND hwnd : Windows()) if (TitleOf(hwnd) == name) return hwnd;
    return nullptr;
}

int ReportWindows(const std::wstring& prefix) {
    std::set<DWORD> processes;
    for (const HWND hwnd : Windows())
        if (ClassOf(hwnd).starts_with(prefix) || TitleOf(hwnd).starts_with(prefix)) processes.insert(ProcessOf(hwnd));
    int count = 0;
    for (const HWND hwnd : Windows()) {
        const DWORD pid = ProcessOf(hwnd);
        if (!processes.contains(pid)) continue;
        const RECT r = RectOf(hwnd);
        Record(L"window").Field(L"hwnd", Hex(hwnd)).Field(L"pid", pid).Field(L"class", ClassOf(hwnd))
            .Flag(L"visible", IsWindowVisible(hwnd)).Flag(L"topmost", GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST)
            .Flag(L"foreground", hwnd == GetForegroundWindow()).Field(L"rect", RectText(r)).Field(L"size", SizeText(r))
            .Field(L"region", RegionText(hwnd)).Field(L"owner", Hex(GetWindow(hwnd, GW_OWNER)))
            .Field(L"exe", ExecutableOf(pid)).Field(L"title", TitleOf(hwnd));
        ++count;
    }
    Record(L"windows").Field(L"count", count);
    return 0;
}

int ReportChildren(HWND top) {
    if (!top) return Record(L"error").Field(L"no", L"such window"), 2;
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(top, nullptr), &thread);
    for (const HWND child : Windows(top)) {
        const RECT r = RectOf(child);
        Record record(L"child");
        record.Field(L"hwnd", Hex(child)).Field(L"parent", Hex(GetParent(child))).Field(L"id", GetDlgCtrlID(child))
            .Field(L"class", ClassOf(child)).Flag(L"visible", IsWindowVisible(child)).Flag(L"enabled", IsWindowEnabled(child))
            .Flag(L"focus", child == thread.hwndFocus).Flag(L"default", IsButton(child, BS_DEFPUSHBUTTON))
            .Field(L"rect", RectText(r)).Field(L"size", SizeText(r));
        if (IsButton(child, BS_CHECKBOX) || IsButton(child, BS_AUTOCHECKBOX)) {
            DWORD_PTR state = 0;
            SendMessageTimeoutW(child, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 1000, &state);
            record.Flag(L"checked", state == BST_CHECKED);
        }
        record.Field(L"text", TextOf(child));
    }
    return 0;
}

// Presses a button by its caption ("&Yes" or "Yes"); posted, so that a modal
// loop it starts does not block the probe.
int Click(HWND top, const std::wstring& text) {
    for (const HWND child : top ? Windows(top) : std::vector<HWND>{}) {
        if (WithoutMnemonics(TextOf(child)) != WithoutMnemonics(text)) continue;
        PostMessageW(child, BM_CLICK, 0, 0);
        Record(L"clicked").Field(L"hwnd", Hex(child)).Field(L"text", TextOf(child));
        return 0;
    }
    return Record(L"error").Field(L"no", L"such control"), 2;
}

// Stays attached to Wine's desktop until ended: when the last program of a
// Wine session ends, its desktop ends too and leaves the X pointer of a
// server without a window manager stuck at the screen centre.
int Hold() {
    if (!CreateWindowExW(0, L"STATIC", L"probe hold", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr)) return 2;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}

int Run(const std::vector<std::wstring>& args) {
    const std::size_t n = args.size();
    const std::wstring command = n > 0 ? args[0] : L"";
    const auto number = [&](std::size_t i) { return int(std::wcstol(args[i].c_str(), nullptr, 0)); };
    if (command == L"windows" && n <= 2) return ReportWindows(n == 2 ? args[1] : L"Morvane3");
    if (command == L"children" && n == 2) return ReportChildren(Named(args[1]));
    if (command == L"click" && n == 3) return Click(Named(args[1]), args[2]);
    if (command == L"hold" && n == 1) return Hold();
    if (command == L"move" && n == 6) {
        const HWND hwnd = Named(args[1]);
        return hwnd && SetWindowPos(hwnd, nullptr, number(2), number(3), number(4), number(5), SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 2;
    }
    Record(L"usage").Field(L"probe", L"windows [prefix] | children <window> | click <window> <text> | hold | "
                                     L"move <window> <x> <y> <w> <h>");
    return 1;
}

} // namespace

int main() {
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::vector<std::wstring> args(argv + 1, argv + count);
    LocalFree(argv);
    return Run(args);
}
