// The probe of the end-to-end scenarios: reads the windows and controls of
// the program under test and does the few things a script cannot do through
// the X server. Output is UTF-8, one record a line, "kind<TAB>name=value...";
// control characters in a value are written as blanks.
//
//   probe windows [prefix]       windows whose class or title starts with the
//                                prefix (default "Morvane3") and all other
//                                top-level windows of their processes
//   probe children <window>      the controls inside a window
//   probe hold [<l> <t> <r> <b>] keeps Wine's desktop up until ended; with a
//                                rectangle, a caption-less window over it in front
//   probe move <window> <x> <y> <width> <height>
//   probe close <window>         what the close box does
//   probe reg <key> [<name>]     the text of a string value under HKEY_CURRENT_USER
//   probe maximise <window>      maximises it and brings it to the front
//   probe text <text> <file>     draws the text as the indicator's default
//                                font does (Tahoma 8 bold at the screen's
//                                DPI, red on white), writes its cell's pixels
//                                raw (B, G, R, 0 from the top row) to the
//                                file and prints the cell as WxH
// A <window> is a handle, a class name or a title. Exit code 0 on success,
// 2 when the thing asked for is not there, 1 on a usage error.
#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "platform/win32/handles.h"

namespace {

using namespace morvane::win32;

std::wstring Field(const wchar_t* name, std::wstring value) {
    for (wchar_t& c : value) c = c < L' ' ? L' ' : c;
    return L"\t" + std::wstring(name) + L"=" + value;
}
std::wstring Field(const wchar_t* name, long long value) { return Field(name, std::to_wstring(value)); }
std::wstring Corners(const RECT& r) {
    return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," + std::to_wstring(r.right) + L"," +
           std::to_wstring(r.bottom);
}
void Print(std::wstring line) {
    line += L"\n";
    const int bytes = WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), nullptr, 0, nullptr, nullptr);
    std::string text(std::size_t(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.data(), int(line.size()), text.data(), bytes, nullptr, nullptr);
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), text.data(), DWORD(text.size()), &written, nullptr);
}

BOOL CALLBACK Collect(HWND hwnd, LPARAM list) {
    return reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd), TRUE;
}
std::vector<HWND> Windows(HWND parent = nullptr) {
    std::vector<HWND> windows;
    parent ? EnumChildWindows(parent, Collect, LPARAM(&windows)) : EnumWindows(Collect, LPARAM(&windows));
    return windows;
}
std::wstring ClassOf(HWND hwnd) {
    wchar_t buffer[256] = {};
    return GetClassNameW(hwnd, buffer, 256), buffer;
}
// The caption as the system keeps it (no message reaches the window), or a
// control's own text (an edit box keeps it), never waiting on a hung window.
std::wstring TextOf(HWND hwnd, bool own) {
    wchar_t buffer[1024] = {};
    if (own && SendMessageTimeoutW(hwnd, WM_GETTEXT, 1024, LPARAM(buffer), SMTO_ABORTIFHUNG, 1000, nullptr)) return buffer;
    return GetWindowTextW(hwnd, buffer, 1024), buffer;
}
DWORD ProcessOf(HWND hwnd) {
    DWORD pid = 0;
    return GetWindowThreadProcessId(hwnd, &pid), pid;
}
RECT RectOf(HWND hwnd, bool client) {
    RECT r{};
    if (!client) return GetWindowRect(hwnd, &r), r;
    GetClientRect(hwnd, &r);
    return MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2), r;
}
std::wstring ExecutableOf(DWORD pid) {
    const UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    wchar_t path[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    return process && QueryFullProcessImageNameW(process.get(), 0, path, &size) ? path : L"";
}
HWND Named(const std::wstring& name) {
    wchar_t* end = nullptr;
    const HWND number = HWND(INT_PTR(std::wcstoll(name.c_str(), &end, 0)));
    if (!name.empty() && *end == L'\0') return IsWindow(number) ? number : nullptr;
    for (const HWND hwnd : Windows()) if (ClassOf(hwnd) == name || TextOf(hwnd, false) == name) return hwnd;
    return nullptr;
}

int ReportWindows(const std::wstring& prefix) {
    std::set<DWORD> processes;
    for (const HWND hwnd : Windows())
        if (ClassOf(hwnd).starts_with(prefix) || TextOf(hwnd, false).starts_with(prefix)) processes.insert(ProcessOf(hwnd));
    int count = 0;
    for (const HWND hwnd : Windows()) {
        const DWORD pid = ProcessOf(hwnd);
        if (!processes.contains(pid)) continue;
        const RECT r = RectOf(hwnd, false);
        Print(L"window" + Field(L"hwnd", INT_PTR(hwnd)) + Field(L"pid", pid) + Field(L"class", ClassOf(hwnd)) +
              Field(L"visible", IsWindowVisible(hwnd)) + Field(L"topmost", (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0) +
              Field(L"foreground", hwnd == GetForegroundWindow()) +
              Field(L"maximised", IsZoomed(hwnd)) + Field(L"rect", Corners(r)) +
              Field(L"size", std::to_wstring(r.right - r.left) + L"x" + std::to_wstring(r.bottom - r.top)) +
              Field(L"client", Corners(RectOf(hwnd, true))) + Field(L"exe", ExecutableOf(pid)) + Field(L"title", TextOf(hwnd, false)));
        ++count;
    }
    return Print(L"windows" + Field(L"count", count)), 0;
}

int ReportChildren(HWND top) {
    if (!top) return 2;
    for (const HWND child : Windows(top))
        Print(L"child" + Field(L"id", GetDlgCtrlID(child)) + Field(L"class", ClassOf(child)) +
              Field(L"visible", IsWindowVisible(child)) + Field(L"rect", Corners(RectOf(child, false))) + Field(L"text", TextOf(child, true)));
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
    if (!out) return 2;
    const ScopedSelect withBitmap(dc.get(), bitmap.get());
    PatBlt(dc.get(), 0, 0, cell.cx, cell.cy, WHITENESS);
    SetBkMode(dc.get(), TRANSPARENT);
    SetTextColor(dc.get(), RGB(255, 0, 0));
    TextOutW(dc.get(), 0, 0, text.c_str(), int(text.size()));
    GdiFlush();
    const bool written = fwrite(bits, 4, std::size_t(cell.cx * cell.cy), out) == std::size_t(cell.cx * cell.cy);
    if (fclose(out) != 0 || !written) return 2;
    return Print(L"text" + Field(L"size", std::to_wstring(cell.cx) + L"x" + std::to_wstring(cell.cy))), 0;
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
    if (command == L"reg" && (n == 2 || n == 3)) {
        wchar_t data[4096] = {};
        DWORD size = sizeof data;
        const LSTATUS read = RegGetValueW(HKEY_CURRENT_USER, args[1].c_str(), n == 3 ? args[2].c_str() : nullptr, RRF_RT_REG_SZ,
                                          nullptr, data, &size);
        return read == ERROR_SUCCESS ? (Print(data), 0) : 2;
    }
    if (command == L"close" && n == 2) return Named(args[1]) && PostMessageW(Named(args[1]), WM_CLOSE, 0, 0) ? 0 : 2;
    if (command == L"move" && n == 6)
        return SetWindowPos(Named(args[1]), nullptr, number(2), number(3), number(4), number(5), SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : 2;
    if (command == L"maximise" && n == 2) {
        const HWND hwnd = Named(args[1]);
        return hwnd && (ShowWindow(hwnd, SW_MAXIMIZE), SetForegroundWindow(hwnd)) ? 0 : 2;
    }
    return Print(L"usage: probe windows [prefix] | children <w> | hold [<l> <t> <r> <b>] | move <w> <x> <y> <cx> <cy> | "
                 L"maximise <w> | close <w> | reg <key> [<name>] | text <t> <file>"), 1;
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
