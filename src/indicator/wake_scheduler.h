#pragma once
// When the indicator's thread wakes. The user's input, the foreground and the
// focus come as events; between them nothing runs but a slow check, so the
// program sleeps while nothing happens. After a move or a button the tick
// follows the cursor at the system's timer rate for a moment; after a key or
// a focus change it looks at the layout a little more slowly for a while
// longer, since a layout switch lands some time after the key that asked for
// it. The check looks at the system's last input and where the cursor is:
// input no event reported (a hook the system removed, input to a window the
// hooks cannot see, such as an elevated one, or under Wine a move outside
// its own windows) brings back the 1 ms tick until events come again or the
// input stops.
#include <cstdint>
#include <optional>

namespace morvane {

enum class WakeEvent : std::uint8_t {
    Moved,       // the mouse moved
    Button,      // a mouse button or the wheel
    Key,         // a key went down or up; which one is never looked at
    Foreground,  // another window came to the front
    Focus,       // the keyboard focus moved
};

inline constexpr std::uint32_t kPollMs = 1;          // the 1 ms tick, as often as the system allows
inline constexpr std::uint32_t kFollowTickMs = 15;   // Windows' timer rate (15.6 ms), as the 1 ms tick ran there
inline constexpr std::uint32_t kFollowMs = 300;      // following on after the last move or button
inline constexpr std::uint32_t kLookTickMs = 30;     // a layout switch is seen well within 100 ms
inline constexpr std::uint32_t kLookMs = 600;        // looking on after the last key or focus change
inline constexpr std::uint32_t kFirstCheckMs = 250;  // the check's interval right after activity,
inline constexpr std::uint32_t kLastCheckMs = 8000;  // doubling while it stays quiet, up to this
inline constexpr std::uint32_t kUnseenSlackMs = 50;  // the system notes input a little after its event
inline constexpr std::uint32_t kQuietMs = 500;       // no input at all this long ends the 1 ms tick

// The timers as they should run now, and the mouse hook: while the tick
// follows the cursor it sees the moves itself, and a hook's call for each of
// a mouse's reports (up to 1,000 a second) would only cost.
struct WakeTimers {
    bool poll = false;         // the 1 ms tick (toLang), which tracks on each tick
    std::uint32_t wakeMs = 0;  // the wake timer's interval (toWake); 0 while stopped
    bool mouseHook = false;
    friend bool operator==(const WakeTimers&, const WakeTimers&) = default;
};

// What one tick of the wake timer does.
struct WakeCheck {
    bool track = false;      // the full tick: the menu gesture, the cursor, the layout, the display options
    bool reinstall = false;  // install the event sources anew: the system may have removed a hook
    friend bool operator==(const WakeCheck&, const WakeCheck&) = default;
};

// Times are milliseconds of the system's clock (GetTickCount), which wraps.
class WakeScheduler {
public:
    // Tracking starts (Load, a dialog closed), following for a moment; with
    // eventsLive false it polls until the event sources are installed.
    void Start(std::uint32_t now, bool eventsLive);
    // Tracking stops while a dialog holds the indicator: no timer, events ignored.
    void Stop() { on_ = false; }
    // Whether the event sources are installed, after an installation.
    void SetEventsLive(bool live);

    // Whether the display options read what no event reports (the size of
    // the foreground window): then each check makes the full tick as well.
    void SetTrackOnCheck(bool on) { trackOnCheck_ = on; }

    void Event(WakeEvent event, std::uint32_t now);
    // A tick saw the cursor somewhere new: while following, as good as an event.
    void CursorSeenMoving(std::uint32_t now);
    // A tick of the wake timer: lastInputMs is when the system last saw input
    // from the user, cursorMovedMs when the cursor was last seen somewhere new.
    WakeCheck Tick(std::uint32_t now, std::uint32_t lastInputMs, std::uint32_t cursorMovedMs);
    // After a full tick: the display options change the indicator by
    // themselves dueMs later (a fade), or not at all.
    void DisplayDue(std::uint32_t now, std::optional<std::uint32_t> dueMs);

    WakeTimers Timers(std::uint32_t now) const;
    // Following the cursor: the tick tracks, and nothing needs checking.
    bool Following(std::uint32_t now) const;

private:
    bool Busy(std::uint32_t now) const;
    std::uint32_t CheckMs(std::uint32_t now) const;

    bool on_ = false;
    bool live_ = false;
    bool polling_ = false;
    bool trackOnCheck_ = false;
    std::uint32_t heardMs_ = 0;      // the last event, or the last unseen input already followed
    std::uint32_t lastInputMs_ = 0;  // the latest input the system reported, seen or not
    std::uint32_t followUntil_ = 0;
    std::uint32_t lookUntil_ = 0;
    std::optional<std::uint32_t> displayAt_;
};

} // namespace morvane
