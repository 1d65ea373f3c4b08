#include "startup/win32/program.h"

#include "platform/win32/message_loop.h"
#include "services/autostart_entry.h"

namespace morvane::win32 {

Program::Program() : fwMenu(registry_, AutostartEntryOf(process_)) {
    fwMain.SetControlMenu(&fwMenu);
}

int Program::Run() {
    startup_.Initialize();
    // A Load that ends unloaded was either a second copy or the acceptance,
    // which has started the indicator; a dialog still loaded waits for its
    // answer.
    if (fwAbout.Load()) fwAbout.Show();
    RunMessageLoop({&fwAbout, &fwMain, &fwMenu});
    return 0;
}

std::wstring Program::LoadIndicatorAndGetTag() {
    fwMain.Load();
    return fwMain.Tag();
}

} // namespace morvane::win32
