// The program's entry: the indicator window is loaded and shown, and the
// process runs until no window of it is left.
#include <windows.h>

#include "indicator/win32/main_window.h"
#include "platform/win32/ansi_code_page_win32.h"
#include "platform/win32/input_cursor_win32.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/process_facts_win32.h"
#include "platform/win32/profile_files_win32.h"
#include "resources/resource_ids.h"
#include "services/settings_store.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace morvane;
    using namespace morvane::win32;

    const Win32ProcessFacts process;
    const Win32AnsiCodePage ansi;
    Win32ProfileFiles profileFiles(ansi);
    const SettingsStore store(profileFiles);
    const Win32InputCursor input;

    MainWindow fwMain(store, process, input);
    fwMain.Load();
    // A shared icon of the executable: the system frees it with the process.
    fwMain.SetIcon(LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM)));
    fwMain.SetVisible(true);
    RunMessageLoop({&fwMain});
    return 0;
}
