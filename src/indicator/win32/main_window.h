#pragma once
// fwMain, the indicator window: a small borderless, topmost tool window that
// never takes the focus or activation. It holds the indicator's settings and
// state, its persistent drawing, the timers that wake it (the polling timer
// toLang as the fallback), and the settings file path in its Tag.
#include <cstdint>
#include <string>

#include "indicator/display_follower.h"
#include "indicator/indicator_settings.h"
#include "indicator/indicator_tracking.h"
#include "indicator/indicator_visibility.h"
#include "indicator/monitor_follower.h"
#include "indicator/wake_scheduler.h"
#include "indicator/win32/input_events.h"
#include "menu/display_menu.h"
#include "platform/display_facts.h"
#include "platform/input_cursor.h"
#include "platform/monitors.h"
#include "platform/process_facts.h"
#include "platform/win32/surface_window.h"
#include "platform/win32/timer.h"
#include "services/settings_store.h"

namespace morvane::win32 {

class MenuWindow;
class PictureBox;

inline constexpr wchar_t kIndicatorClassName[] = L"Morvane3Indicator";

// The system's own display facts and monitors.
const DisplayFacts& SystemDisplayFacts();
const Monitors& DefaultMonitors();

class MainWindow : public SurfaceWindow, public DisplayTarget {
public:
    MainWindow(const SettingsStore& store, const ProcessFacts& process, const InputCursor& input,
               const DisplayFacts& display = SystemDisplayFacts(), const Monitors& monitors = DefaultMonitors());

    // Creates the window, hidden, and reads every setting; tracking starts
    // last. Nothing when the window is loaded already.
    void Load();

    // Tracking on (the end of Load, a dialog closed) or off (a dialog holds
    // the indicator): events then wake nothing and no timer runs.
    void SetTracking(bool on);

    // fwMenu: its menu opens on the gesture, and its "&Transparent Background"
    // mark says whether the indicator is cut down to its letters. Without one,
    // the gesture does nothing and the background is never transparent. The
    // menu window must outlive this window's ticks or be replaced first.
    void SetControlMenu(MenuWindow* fwMenu) { fwMenu_ = fwMenu; }

    // Places the indicator beside the cursor's hot spot (screen pixels), at
    // the scale of the monitor that holds it, reading the language of the
    // window under it when its layout changed. Nothing while the indicator is hidden.
    void zMoveCursor(std::int32_t nCursorX, std::int32_t nCursorY);

    // Draws the language code on the indicator itself, sized to the code and
    // the margin, in BackColor, ForeColor and Font.
    void zPaintCursor();
    // The same drawing on a picture box, in the box's own colours and font
    // (the position dialog's sample); the box is sized to it.
    void zPaintCursor(PictureBox& vObj);

    // The position dialog has closed and left its result in POSITION_Left and
    // POSITION_TOP: store them, show and repaint the indicator and resume tracking.
    void zPosition_Return();

    // Shown or hidden for the program (start-up, dialogs); a hiding by a
    // display option ends, and the next tick decides anew.
    void SetVisible(bool visible);
    // Hidden for now by a display option, though still tracking.
    bool HiddenByDisplay() const { return visibility_.HiddenByDisplay(); }
    // Shown by the program, though perhaps hidden for now by a display option.
    bool Tracking() const { return visibility_.Tracking(); }

    // The display options: read at Load, changed by the "&Display" items.
    std::wstring SettingsFile() const override;
    void SetDisplayOptions(const DisplayOptions& options) override;
    // The layout under the cursor has changed: the text shown is derived (its
    // own label, or the code with its country when that option is on) and painted.
    void ShowNewLayout();
    // The indicator's own twips per pixel: those of the monitor it is on.
    TwipsPerPixel Twips() const { return Surface().Twips(); }

    Colour BackColor = 0x00FFFFFF;
    Colour ForeColor = 0x00000000;
    StdFont Font = IndicatorDesignFont();
    std::int32_t POSITION_Left = 0;
    std::int32_t POSITION_TOP = 0;
    std::int32_t MARGIN_Width = 0;
    std::int16_t CURSOR_Width = 0;
    std::int16_t CURSOR_Height = 0;

    // The 1 ms tick, as often as the system allows: on only while events are
    // missing (started with "/poll", hooks not installed, input without events).
    Timer toLang{*this, kPollMs, [this] { LangTick(); }};

protected:
    // Shown without being activated: the window under the cursor keeps the focus.
    int ShowCommand() const override { return SW_SHOWNOACTIVATE; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void LangTick();
    void WakeTick();
    void Wake(WakeEvent event);
    void ApplyWakeTimers();
    std::uint32_t NoteCursor(ScreenPoint cursor);
    void PaintOn(DrawingSurface& surface, HWND window) const;
    void FollowDisplay(ScreenPoint hotSpot);
    // Drawn at the scale of the monitor under the hot spot.
    void FollowMonitor(ScreenPoint hotSpot);
    void Apply(VisibilityAction action);
    void SetAlpha(std::uint8_t alpha);
    void GiveOpacity(std::uint8_t alpha);
    void SetLayered(bool layered);

    const SettingsStore& store_;
    const ProcessFacts& process_;
    const InputCursor& input_;
    const DisplayFacts& facts_;
    MonitorFollower monitors_;

    MenuWindow* fwMenu_ = nullptr;
    LanguageShown shown_;  // sLangCode and nLayout
    std::wstring text_;    // what is painted: sLangCode, or its label or country form
    DisplayOptions display_;
    DisplayFollower follower_;
    IndicatorVisibility visibility_;
    WakeScheduler scheduler_;
    InputEvents events_{[this](WakeEvent event) { Wake(event); }};
    bool eventsLive_ = false;
    ScreenPoint cursorSeen_;
    std::uint32_t cursorMovedAtMs_ = 0;  // when a tick or a check last saw the cursor somewhere new
    // Follows the cursor for a moment after an event, looks at the layout after
    // a key, times a fade, checks for unseen input; its interval is 0 while stopped.
    Timer toWake{*this, 0, [this] { WakeTick(); }};
};

} // namespace morvane::win32
