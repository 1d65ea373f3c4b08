#pragma once
// The display options' facts through user32 and kernel32.
#include <windows.h>

#include "platform/display_facts.h"

namespace morvane::win32 {

class Win32DisplayFacts : public DisplayFacts {
public:
    Win32DisplayFacts();

    bool CursorIsIBeam() const override;
    bool CapsLockOn() const override;
    ScreenRect WindowRect(WindowId window) const override;
    ScreenRect MonitorRectOf(WindowId window) const override;
    bool IsDesktop(WindowId window) const override;
    std::wstring CountryName(std::uint16_t languageId) const override;
    std::uint32_t NowMs() const override;
    bool ExcludeFromCapture(WindowId window, bool on) const override;

private:
    // The system's shared I-beam: a program that shows it hands over this handle.
    HCURSOR ibeam_;
};

} // namespace morvane::win32
