#pragma once
// Display facts that a test sets, window by window; counters show what was read.
#include <map>

#include "platform/display_facts.h"

namespace morvane {

class FakeDisplayFacts : public DisplayFacts {
public:
    PointerShown pointer = PointerShown::Other;
    std::optional<bool> caps = false;            // nothing: the system cannot tell
    std::map<WindowId, WindowFrame> frames;      // an empty frame elsewhere
    std::map<WindowId, ScreenRect> monitors;     // the 1920 x 1080 primary monitor elsewhere
    std::map<WindowId, std::wstring> classes;    // "Notepad" elsewhere
    std::uint32_t now = 0;
    std::uint32_t build = 22631;
    mutable int monitorLookups = 0;
    mutable int capsReads = 0;

    PointerShown Pointer() const override { return pointer; }
    std::optional<bool> CapsLockOn() const override { return ++capsReads, caps; }
    WindowFrame FrameOf(WindowId window) const override { return frames.contains(window) ? frames.at(window) : WindowFrame{}; }
    ScreenRect MonitorRectOf(WindowId window) const override {
        ++monitorLookups;
        return monitors.contains(window) ? monitors.at(window) : ScreenRect{0, 0, 1920, 1080};
    }
    std::wstring ClassNameOf(WindowId window) const override { return classes.contains(window) ? classes.at(window) : L"Notepad"; }
    std::wstring CountryName(std::uint16_t languageId) const override { return languageId == 0x0809 ? L"GB" : L""; }
    std::uint32_t NowMs() const override { return now; }
    std::uint32_t WindowsBuild() const override { return build; }
    mutable std::map<WindowId, bool> excludedFromCapture;  // as last asked, by window
    bool ExcludeFromCapture(WindowId window, bool on) const override { return excludedFromCapture[window] = on, true; }
};

} // namespace morvane
