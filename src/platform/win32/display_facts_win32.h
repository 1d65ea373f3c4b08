#pragma once
// The display options' facts through user32 and kernel32.
#include <windows.h>

#include "platform/display_facts.h"

namespace morvane::win32 {

class Win32DisplayFacts : public DisplayFacts {
public:
    // build: the system's build number as the kernel reports it, or another
    // to behave as on that system.
    explicit Win32DisplayFacts(std::uint32_t build = RunningBuild());

    PointerShown Pointer() const override;
    std::optional<bool> CapsLockOn() const override;
    WindowFrame FrameOf(WindowId window) const override;
    ScreenRect MonitorRectOf(WindowId window) const override;
    std::wstring ClassNameOf(WindowId window) const override;
    std::wstring CountryName(std::uint16_t languageId) const override;
    std::uint32_t NowMs() const override;
    std::uint32_t WindowsBuild() const override { return build_; }
    bool ExcludeFromCapture(WindowId window, bool on) const override;

    // From RtlGetVersion, which, unlike GetVersionEx, is not bent by the
    // compatibility settings of the manifest; 0 when it cannot be read.
    static std::uint32_t RunningBuild();

private:
    // The system's shared I-beam: a program that shows it hands over this handle.
    HCURSOR ibeam_;
    std::uint32_t build_;
};

} // namespace morvane::win32
