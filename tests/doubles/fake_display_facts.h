#pragma once
// Display facts that a test sets; counters show what was read.
#include <map>

#include "platform/display_facts.h"

namespace morvane {

class FakeDisplayFacts : public DisplayFacts {
public:
    PointerShown pointer = PointerShown::Other;
    std::optional<bool> caps = false;  // nothing: the system cannot tell
    WindowFrame foregroundFrame;
    std::wstring foregroundClass = L"Notepad";
    ScreenRect monitor{0, 0, 1920, 1080};
    std::uint32_t now = 0;
    std::uint32_t build = 22631;
    mutable int monitorLookups = 0;
    mutable int capsReads = 0;

    PointerShown Pointer() const override { return pointer; }
    std::optional<bool> CapsLockOn() const override { return ++capsReads, caps; }
    WindowFrame FrameOf(WindowId) const override { return foregroundFrame; }
    ScreenRect MonitorRectOf(WindowId) const override { return ++monitorLookups, monitor; }
    std::wstring ClassNameOf(WindowId) const override { return foregroundClass; }
    std::wstring CountryName(std::uint16_t languageId) const override { return languageId == 0x0809 ? L"GB" : L""; }
    std::uint32_t NowMs() const override { return now; }
    std::uint32_t WindowsBuild() const override { return build; }
    mutable std::map<WindowId, bool> excludedFromCapture;  // as last asked, by window
    bool ExcludeFromCapture(WindowId window, bool on) const override { return excludedFromCapture[window] = on, true; }
};

} // namespace morvane
