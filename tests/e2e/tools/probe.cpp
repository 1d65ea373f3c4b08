// The probe of the end-to-end scenarios: reads the windows and controls of
// the program under test and does the few things a script cannot do through
// the X server. Output is UTF-8, one record a line, "kind<TAB>name=value...",
// so that scripts can grep it.
//
//   probe windows [prefix]       windows whose class or title starts with the
//                                prefix (default "Morvane3") and all other
//                                top-level windows of their processes
//   probe children <window>      the controls inside a window
//   probe hold [<l> <t> <r> <b>] keeps Wine's desktop up until ended; with a
//                                rectangle, a caption-less window over it in front
//   probe move <window> <x> <y> <width> <height>
//   probe maximise <window>      maximises it and brings it to the front
//   probe text <text> <file>     draws the text as the indicator's default
//                                font does (Tahoma 8 bold at the screen's
//                                DPI, red on white) and writes its cell's
//                                pixels raw (B, G, R, 0 from the top row) to
//                                the file; prints the cell as WxH
// A <window> is a handle (decimal or 0x...), a class name or a title.
// Exit code 0 on success, 2 when the thing asked for is not there, 1 on a
// usage error.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <cwchar>
#include <set>
#include <string>
#include <vector>

#include "platform/win32/handles.h"

namespace {

using namespace morvane::win32;

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
RECT ClientOf(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
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
            .Flag(L"foreground", hwnd == GetForegroundWindow()).Flag(L"maximised", IsZoomed(hwnd)).Field(L"rect", RectText(r)).Field(L"size", SizeText(r))
            .Field(L"client", RectText(ClientOf(hwnd)))
            .Field(L"exe", ExecutableOf(pid)).Field(L"title", TitleOf(hwnd));
        ++count;
    }
    Record(L"windows").Field(L"count", count);
    return 0;
}

int ReportChildren(HWND top) {
    if (!top) return Record(L"error").Field(L"no", L"such window"), 2;
    for (const HWND child : Windows(top)) {
        const RECT r = RectOf(child);
        Record(L"child").Field(L"hwnd", Hex(child)).Field(L"id", GetDlgCtrlID(child)).Field(L"class", ClassOf(child))
            .Flag(L"visible", IsWindowVisible(child)).Field(L"rect", RectText(r)).Field(L"text", TextOf(child));
    }
    return 0;
}

// Stays attached to Wine's desktop until ended: when the last program of a
// Wine session ends, its desktop ends too and leaves the X pointer of a
// server without a window manager stuck at the screen centre. With a
// rectangle, a caption-less window over it in front: a full-screen program.
int Hold(RECT r = {}) {
    const DWORD shown = r.right > r.left ? WS_VISIBLE : 0;
    const HWND hwnd = CreateWindowExW(0, L"STATIC", L"probe hold", WS_POPUP | shown, r.left, r.top, r.right - r.left,
                                      r.bottom - r.top, nullptr, nullptr, nullptr, nullptr);
    if (!hwnd) return 2;
    if (shown) SetForegroundWindow(hwnd);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}

int DrawTextCell(const std::wstring& text, const std::wstring& path) {
    const WindowDc screen = WindowDc::Client(nullptr);
    const UniqueFont font(CreateFontW(-MulDiv(8, GetDeviceCaps(screen.get(), LOGPIXELSY), 72), 0, 0, 0, FW_BOLD, 0, 0, 0,
                                      ANSI_CHARSET, 0, 0, DEFAULT_QUALITY, 0, L"Tahoma"));
    const UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    const ScopedSelect withFont(dc.get(), font.get());
    SIZE cell{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), int(text.size()), &cell);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, cell.cx, -cell.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const UniqueBitmap bitmap(CreateDIBSection(dc.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    FILE* out = bits ? _wfopen(path.c_str(), L"wb") : nullptr;
    if (!out) return Record(L"error").Field(L"no", L"bitmap or file"), 2;
    const ScopedSelect withBitmap(dc.get(), bitmap.get());
    PatBlt(dc.get(), 0, 0, cell.cx, cell.cy, WHITENESS);
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), RGB(255, 0, 0));
    TextOutW(dc.get(), 0, 0, text.c_str(), int(text.size()));
    GdiFlush();
    const bool written = fwrite(bits, 4, std::size_t(cell.cx * cell.cy), out) == std::size_t(cell.cx * cell.cy);
    if (fclose(out) != 0 || !written) return 2;
    Record(L"text").Field(L"size", SizeText({0, 0, cell.cx, cell.cy}));
    return 0;
}

int Run(const std::vector<std::wstring>& args) {
    const std::size_t n = args.size();
    const std::wstring command = n > 0 ? args[0] : L"";
    const auto number = [&](std::size_t i) { return int(std::wcstol(args[i].c_str(), nullptr, 0)); };
    if (command == L"windows" && n <= 2) return ReportWindows(n == 2 ? args[1] : L"Morvane3");
    if (command == L"children" && n == 2) return ReportChildren(Named(args[1]));
    if (command == L"hold" && n == 1) return Hold();
    if (command == L"hold" && n == 5) return Hold({number(1), number(2), number(3), number(4)});
    if (command == L"text" && n == 3) return DrawTextCell(args[1], args[2]);
    if (command == L"maximise" && n == 2) {
        const HWND hwnd = Named(args[1]);
        return hwnd && (ShowWindow(hwnd, SW_MAXIMIZE), SetForegroundWindow(hwnd)) ? 0 : 2;
    }
    if (command == L"move" && n == 6) {
        const HWND hwnd = Named(args[1]);
        return hwnd && SetWindowPos(hwnd, nullptr, number(2), number(3), number(4), number(5), SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 2;
    }
    Record(L"usage").Field(L"probe", L"windows [prefix] | children <window> | hold [<l> <t> <r> <b>] | "
                                     L"move <window> <x> <y> <w> <h> | maximise <window> | text <text> <file>");
    return 1;
}

} // namespace

int main() {
    SetProcessDPIAware();  // screen pixels at every display scale
    int count = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &count);
    const std::vector<std::wstring> args(argv + 1, argv + count);
    LocalFree(argv);
    return Run(args);
}
