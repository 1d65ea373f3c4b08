#pragma once
// The "&Display" submenu of the control menu: its items, their marks taken
// from the settings file, and what choosing one stores and hands on.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "menu/control_menu_state.h"
#include "services/display_settings.h"
#include "services/settings_store.h"

namespace morvane {

enum class DisplayItem { Always, OverText, AfterChange, Separator, FullScreen, KeepInside, Country, CapsMark, NoCapture };

struct DisplayItemDesign {
    DisplayItem item;
    std::wstring_view caption;
    std::uint16_t commandId;  // 0 for the separator
};

// The first three are one choice, shown with radio marks; the rest are check items.
inline constexpr std::array<DisplayItemDesign, 9> kDisplayItems{{
    {DisplayItem::Always, L"&Always", 300},
    {DisplayItem::OverText, L"Over &Text Only", 301},
    {DisplayItem::AfterChange, L"After a &Change", 302},
    {DisplayItem::Separator, L"-", 0},
    {DisplayItem::FullScreen, L"Hide Over &Full Screen", 304},
    {DisplayItem::KeepInside, L"&Keep Inside the Screen", 308},
    {DisplayItem::Country, L"Show C&ountry", 305},
    {DisplayItem::CapsMark, L"Caps &Lock Mark", 306},
    {DisplayItem::NoCapture, L"Hide from &Screenshots", 307},
}};

bool IsShowModeItem(DisplayItem item);

// The checked state of every item for these options. Where the system
// cannot leave a window out of capture, "Hide from Screenshots" is greyed and
// unchecked, whatever the file holds.
MarkChanges DisplayMarks(const DisplayOptions& options, bool captureExclusionWorks);

// The indicator, as the display items change it.
class DisplayTarget {
public:
    virtual ~DisplayTarget() = default;
    virtual std::wstring SettingsFile() const = 0;
    // Takes effect from the next tick.
    virtual void SetDisplayOptions(const DisplayOptions& options) = 0;
};

class DisplayCommands {
public:
    // Both must outlive this object.
    DisplayCommands(const SettingsStore& store, DisplayTarget& target, bool captureExclusionWorks)
        : store_(store), target_(target), captureExclusionWorks_(captureExclusionWorks) {}

    // The marks as the settings file has them now.
    MarkChanges Marks() const;
    // The item's key is written at once (nothing when the choice changes
    // nothing) and the options handed to the indicator; returns the marks to
    // show.
    MarkChanges Choose(DisplayItem item);

private:
    const SettingsStore& store_;
    DisplayTarget& target_;
    bool captureExclusionWorks_;
};

} // namespace morvane
