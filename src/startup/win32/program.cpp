#include "startup/win32/program.h"

#include "platform/win32/message_loop.h"

namespace morvane::win32 {

Program::Program()
    : fwMenu(registry_, autostart_),
      commands_({indicatorForCommands_, menuForCommands_, dialogsForCommands_},
                {pickers_, ansi_, store_, registry_, autostart_}, version_.LegalTrademarks) {
    fwMain.SetControlMenu(&fwMenu);
    fwMenu.SetCommands(&commands_);
    fwMenu.SetDisplayCommands(&displayCommands_);
}

Program::~Program() {
    // The commands go before the menu holder.
    fwMenu.SetCommands(nullptr);
    fwMenu.SetDisplayCommands(nullptr);
}

int Program::Run() {
    const AboutMode mode = startup_.Initialize();
    // A Load that ends unloaded was either a second copy or the acceptance,
    // which has started the indicator; a dialog still loaded waits for its
    // answer.
    if (fwAbout.Load(mode)) fwAbout.Show();
    RunMessageLoop({&fwAbout, &fwMain, &fwMenu, &fwPos});
    return 0;
}

std::wstring Program::LoadIndicatorAndGetTag() {
    fwMain.Load();
    return fwMain.Tag();
}

} // namespace morvane::win32
