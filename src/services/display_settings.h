#pragma once
// The display options: when the indicator shows, what it adds to the code,
// and whether screen capture sees it. Every option is off by default, so a
// settings file without these keys, or none, keeps the indicator as it was.
// Their keys are in section "Main" (settings_keys.h).
#include <cstdint>
#include <string>

#include "services/settings_keys.h"
#include "services/settings_store.h"

namespace morvane {

enum class ShowMode : std::int32_t {
    Always = 0,
    OverText = 1,     // only while the cursor is the text-input I-beam
    AfterChange = 2,  // a few seconds after each change, then fades out
};

inline constexpr std::int32_t kDefaultShowSeconds = 2;
inline constexpr std::int32_t kMinShowSeconds = 1;
inline constexpr std::int32_t kMaxShowSeconds = 60;

struct DisplayOptions {
    ShowMode show = ShowMode::Always;
    std::int32_t showSeconds = kDefaultShowSeconds;
    bool fullScreen = false;  // hide while the foreground window is a full-screen program
    bool keepInside = false;  // never across an edge of the monitor under the cursor
    bool country = false;     // "EN-US" instead of "EN"
    bool capsMark = false;    // a bar above the letters while Caps Lock is on
    bool noCapture = false;   // left out of screenshots and screen sharing

    // Whether the indicator may be hidden or faded by an option.
    bool MayHide() const { return show != ShowMode::Always || fullScreen; }
    friend bool operator==(const DisplayOptions&, const DisplayOptions&) = default;
};

// A stored "Show" of 0, 1 or 2; anything else is 0.
ShowMode ShowModeOf(SettingsNumber stored);
// 1..60; a value outside is brought to the nearer limit, a fraction made whole.
std::int32_t ShowSecondsOf(SettingsNumber stored);
// A flag is on only when stored as 1.
bool FlagOf(SettingsNumber stored);

DisplayOptions ReadDisplayOptions(const SettingsStore& store, const std::wstring& file);

} // namespace morvane
