#pragma once
// Display facts that a test sets; counters show what was read.
#include <map>

#include "platform/display_facts.h"

namespace morvane {

class FakeDisplayFacts : public DisplayFacts {
public:
    bool ibeam = false;
    bool caps = false;
    WindowId foreground = kNoWindow;
    ScreenRect foregroundRect;
    ScreenRect monitor{0, 0, 1920, 1080};
    std::map<WindowId, WindowId> topLevels;  // a window missing here is its own top level
    std::uint32_t now = 0;
    mutable int monitorLookups = 0;
    mutable int capsReads = 0;

    bool CursorIsIBeam() const override { return ibeam; }
    bool CapsLockOn() const override { return ++capsReads, caps; }
    WindowId ForegroundWindow() const override { return foreground; }
    ScreenRect WindowRect(WindowId) const override { return foregroundRect; }
    ScreenRect MonitorRectOf(WindowId) const override { return ++monitorLookups, monitor; }
    WindowId TopLevelOf(WindowId window) const override {
        const auto found = topLevels.find(window);
        return found == topLevels.end() ? window : found->second;
    }
    std::wstring CountryName(std::uint16_t languageId) const override { return languageId == 0x0809 ? L"GB" : L""; }
    std::uint32_t NowMs() const override { return now; }
    mutable std::map<WindowId, bool> excludedFromCapture;  // as last asked, by window
    bool ExcludeFromCapture(WindowId window, bool on) const override { return excludedFromCapture[window] = on; }
};

} // namespace morvane
