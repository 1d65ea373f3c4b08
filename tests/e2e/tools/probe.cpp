// The probe of the end-to-end scenarios: reads the windows and controls of
// the program under test and does the few things a script cannot do through
// the X server. Output is plain UTF-8, one record a line,
// "kind<TAB>name=value<TAB>...", so that scripts can grep it.
//
//   probe windows [prefix]       windows whose class or title starts with the
//                                prefix (default "Morvane3") and all other
//                                top-level windows of their processes
//   probe children <window>      the controls inside a window
//   probe popup                  the pop-up menus open now
//   probe click <window> <text>  presses the button with that caption
//   probe hold                   keeps Wine's desktop up until ended
//   probe move <window> <x> <y> <width> <height>
// A <window> is a handle (decimal or 0x...), a class name or a title.
// Exit code 0 on success, 2 when the thing asked for is not there, 1 on a
// usage error.
#include <windows.h>
#include <shellapi.h>

#include <memory>
#include <string>
#include <vector>

#include "probe/input_actions.h"
#include "probe/output.h"
#include "probe/window_reports.h"

namespace {

using namespace morvane::probe;

struct LocalFreeDeleter {
    void operator()(wchar_t** block) const { LocalFree(block); }
};

std::vector<std::wstring> Arguments() {
    int count = 0;
    const std::unique_ptr<wchar_t*, LocalFreeDeleter> argv(CommandLineToArgvW(GetCommandLineW(), &count));
    std::vector<std::wstring> args;
    for (int i = 1; argv && i < count; ++i) args.emplace_back(argv.get()[i]);
    return args;
}

int Usage() {
    PrintLine(L"usage: probe windows [prefix] | children <window> | popup | click <window> <text> | hold |"
              L" move <window> <x> <y> <w> <h>");
    return 1;
}
int Number(const std::wstring& text) { return static_cast<int>(ParseNumber(text).value_or(0)); }

int Run(const std::vector<std::wstring>& args) {
    if (args.empty()) return Usage();
    const std::wstring& command = args[0];
    const size_t n = args.size();
    if (command == L"windows" && n <= 2) return ReportWindows(n == 2 ? args[1] : L"Morvane3");
    if (command == L"children" && n == 2) return ReportChildren(FindWindowNamed(args[1]));
    if (command == L"popup" && n == 1) return ReportPopups();
    if (command == L"click" && n == 3) return ClickControl(FindWindowNamed(args[1]), args[2]);
    if (command == L"hold" && n == 1) return HoldDesktop();
    if (command == L"move" && n == 6)
        return MoveWindowTo(FindWindowNamed(args[1]), Number(args[2]), Number(args[3]), Number(args[4]),
                            Number(args[5]));
    return Usage();
}

} // namespace

int main() { return Run(Arguments()); }
