#pragma once
// Display facts that a test sets; counters show what was read.
#include <map>

#include "platform/display_facts.h"

namespace morvane {

class FakeDisplayFacts : public DisplayFacts {
public:
    bool ibeam = false;
    bool caps = false;
    std::map<WindowId, ScreenRect> windowRects;  // an empty rectangle elsewhere
    std::map<WindowId, ScreenRect> monitors;     // the 1920 x 1080 primary monitor elsewhere
    std::uint32_t now = 0;
    mutable int monitorLookups = 0;
    mutable int capsReads = 0;

    bool CursorIsIBeam() const override { return ibeam; }
    bool CapsLockOn() const override { return ++capsReads, caps; }
    ScreenRect WindowRect(WindowId window) const override {
        const auto found = windowRects.find(window);
        return found == windowRects.end() ? ScreenRect{} : found->second;
    }
    ScreenRect MonitorRectOf(WindowId window) const override {
        ++monitorLookups;
        const auto found = monitors.find(window);
        return found == monitors.end() ? ScreenRect{0, 0, 1920, 1080} : found->second;
    }
    WindowId desktop = kNoWindow;
    bool IsDesktop(WindowId window) const override { return window == desktop; }
    std::wstring CountryName(std::uint16_t languageId) const override { return languageId == 0x0809 ? L"GB" : L""; }
    std::uint32_t NowMs() const override { return now; }
    mutable std::map<WindowId, bool> excludedFromCapture;  // as last asked, by window
    bool ExcludeFromCapture(WindowId window, bool on) const override { return excludedFromCapture[window] = on; }
};

} // namespace morvane
