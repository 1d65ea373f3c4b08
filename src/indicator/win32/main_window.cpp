#include "indicator/win32/main_window.h"

#include "indicator/win32/paint_cursor.h"
#include "menu/win32/menu_window.h"
#include "platform/twips.h"
#include "platform/win32/diagnostics.h"
#include "platform/win32/display_facts_win32.h"
#include "platform/win32/monitors_win32.h"
#include "platform/win32/picture_box.h"
#include "services/settings_keys.h"

namespace morvane::win32 {

namespace {

// For measuring: the 1 ms tick alone, as when the event sources cannot be installed.
constexpr wchar_t kPollOnlySwitch[] = L"/poll";

// The design size; the first paint sizes the window to its text.
constexpr int kDesignWidthPixels = 24;
constexpr int kDesignHeightPixels = 13;

// The indicator window as the tracking drives it.
class TrackedMainWindow final : public TrackedIndicator {
public:
    explicit TrackedMainWindow(MainWindow& window) : window_(window) {}

    bool IsShown() const override { return window_.Tracking(); }
    WindowId Id() const override { return reinterpret_cast<WindowId>(window_.hWnd()); }

    // Read after any repaint and before placing; PlaceOnTop reuses the
    // rectangle, so a tick reads it once.
    IndicatorGeometry Geometry() const override {
        GetWindowRect(window_.hWnd(), &rect_);
        const TwipsPerPixel twips = window_.Twips();
        return {twips, TwipsFromPixels(rect_.right - rect_.left, twips.x),
                TwipsFromPixels(rect_.bottom - rect_.top, twips.y)};
    }

    void Repaint() override { window_.ShowNewLayout(); }

    // Moved and raised in one call, and only when it is not already there on
    // top: the window is never activated, so the program the user types in
    // keeps the keyboard focus.
    void PlaceOnTop(ScreenPoint topLeft) override {
        const HWND window = window_.hWnd();
        const bool moved = rect_.left != topLeft.x || rect_.top != topLeft.y;
        // Hidden by a display option it is only kept in place, not raised.
        if (!moved && (window_.HiddenByDisplay() || GetTopWindow(nullptr) == window)) return;
        SetWindowPos(window, HWND_TOPMOST, topLeft.x, topLeft.y, 0, 0,
                     SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    }

private:
    MainWindow& window_;
    mutable RECT rect_{};
};

} // namespace

const DisplayFacts& SystemDisplayFacts() {
    static const Win32DisplayFacts facts;
    return facts;
}

const Monitors& DefaultMonitors() {
    return SystemMonitors();
}

MainWindow::MainWindow(const SettingsStore& store, const ProcessFacts& process, const InputCursor& input,
                       const DisplayFacts& display, const Monitors& monitors)
    : store_(store), process_(process), input_(input), facts_(display), monitors_(monitors) {}

void MainWindow::Load() {
    if (IsLoaded()) return;
    WindowDesign design;
    design.className = kIndicatorClassName;
    design.style = WS_POPUP;
    design.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    design.width = kDesignWidthPixels;
    design.height = kDesignHeightPixels;
    if (!Create(design)) return;

    IndicatorSettings settings = LoadIndicatorSettings(store_, process_, input_, IndicatorDesignFont());
    SetTag(std::move(settings.settingsPath));
    BackColor = settings.BackColor;
    ForeColor = settings.ForeColor;
    Font = std::move(settings.Font);
    MARGIN_Width = settings.MARGIN_Width;
    POSITION_Left = settings.POSITION_Left;
    POSITION_TOP = settings.POSITION_TOP;
    CURSOR_Width = settings.CURSOR_Width;
    CURSOR_Height = settings.CURSOR_Height;
    monitors_.Start({CURSOR_Width, CURSOR_Height});
    SetDisplayOptions(ReadDisplayOptions(store_, Tag()));
    // Until the first paint the window shows its background.
    Surface().SetBackColor(BackColor);
    Surface().Resize(kDesignWidthPixels, kDesignHeightPixels);
    Surface().Clear();
    eventsLive_ = process_.CommandLineText() != kPollOnlySwitch && events_.Install();
    toWake.SetEnabled(true);
    SetTracking(true);
}

void MainWindow::SetTracking(bool on) {
    if (on) {
        scheduler_.Start(facts_.NowMs(), eventsLive_);
    } else {
        scheduler_.Stop();
    }
    ApplyWakeTimers();
}

void MainWindow::Wake(WakeEvent event) {
    scheduler_.Event(event, facts_.NowMs());
    ApplyWakeTimers();
}

void MainWindow::WakeTick() {
    // Following, the tick reads the cursor itself; the check's reads would only cost.
    if (scheduler_.Following(facts_.NowMs())) {
        LangTick();
        ApplyWakeTimers();
        return;
    }
    const WakeCheck check =
        scheduler_.Tick(facts_.NowMs(), InputEvents::LastInputMs(), NoteCursor(input_.CursorPosition()));
    if (check.reinstall) {
        eventsLive_ = events_.Install();
        scheduler_.SetEventsLive(eventsLive_);
    }
    // The tick may have opened the menu and run a command, which may have
    // stopped tracking or unloaded this window: the timers follow what is now.
    if (check.track) LangTick();
    ApplyWakeTimers();
}

// When the cursor was last seen somewhere new.
std::uint32_t MainWindow::NoteCursor(ScreenPoint cursor) {
    if (cursor != cursorSeen_) {
        cursorSeen_ = cursor;
        cursorMovedAtMs_ = facts_.NowMs();
        scheduler_.CursorSeenMoving(cursorMovedAtMs_);
    }
    return cursorMovedAtMs_;
}

// A timer is set again only when its interval changes, so that a stream of
// events costs nothing more than the hook's call.
void MainWindow::ApplyWakeTimers() {
    const WakeTimers timers = scheduler_.Timers(facts_.NowMs());
    if (toLang.Enabled() != timers.poll) toLang.SetEnabled(timers.poll);
    if (toWake.Interval() != timers.wakeMs) toWake.SetInterval(timers.wakeMs);
    if (eventsLive_ && events_.MouseHooked() != timers.mouseHook && !events_.SetMouseHook(timers.mouseHook)) {
        eventsLive_ = false;
        scheduler_.SetEventsLive(false);
        toLang.SetEnabled(true);
    }
}

void MainWindow::LangTick() {
    const bool menuOpen = fwMenu_ != nullptr && fwMenu_->IsMenuOpen();
    switch (ChooseTickAction(input_, menuOpen)) {
    case TickAction::OpenMenu:
        // The chosen command has run when this returns; it may have unloaded
        // this window, so nothing more is done here.
        if (fwMenu_ != nullptr) fwMenu_->PopupControlMenu(MARGIN_Width);
        return;
    case TickAction::FollowCursor: {
        const ScreenPoint cursor = input_.CursorPosition();
        NoteCursor(cursor);
        zMoveCursor(cursor.x, cursor.y);
        return;
    }
    case TickAction::Wait:
        return;
    }
}

void MainWindow::zMoveCursor(std::int32_t nCursorX, std::int32_t nCursorY) {
    if (!Visible() && !visibility_.HiddenByDisplay()) return;
    FollowMonitor({nCursorX, nCursorY});
    TrackedMainWindow tracked(*this);
    const IndicatorOffset kept =
        MoveIndicator({nCursorX, nCursorY}, {POSITION_Left, POSITION_TOP}, {CURSOR_Width, CURSOR_Height}, shown_,
                      input_, tracked, display_.keepInside ? &monitors_.Current().rect : nullptr);
    POSITION_Left = kept.left;
    POSITION_TOP = kept.top;
    // With every option off and the window opaque, nothing more is read.
    if (display_.MayHide() || display_.capsMark || visibility_.MayNotBeOpaque()) FollowDisplay({nCursorX, nCursorY});
}

// The figures of a single monitor at that monitor's scale: the font, the
// margin and the cursor the automatic offset counts from.
void MainWindow::FollowMonitor(ScreenPoint hotSpot) {
    if (!monitors_.Follow(hotSpot)) return;
    Surface().SetDpi(monitors_.Current().dpi);
    const CursorSize cursor = monitors_.Cursor();
    CURSOR_Width = cursor.width;
    CURSOR_Height = cursor.height;
    zPaintCursor();
}

void MainWindow::FollowDisplay(ScreenPoint hotSpot) {
    if (!visibility_.Tracking()) return;
    const DisplayStep step =
        follower_.Follow(display_, facts_, input_, hotSpot, reinterpret_cast<WindowId>(hWnd()));
    if (step.capsChanged) zPaintCursor();
    Apply(visibility_.DisplayStep(step.alpha));
    scheduler_.DisplayDue(facts_.NowMs(), step.dueMs);
}

void MainWindow::Apply(VisibilityAction action) {
    switch (action.change) {
    case VisibilityChange::None:
        return;
    case VisibilityChange::Show:
    case VisibilityChange::Hide:
        Window::SetVisible(action.change == VisibilityChange::Show);
        return;
    case VisibilityChange::SetAlpha:
        SetAlpha(action.alpha);
        return;
    case VisibilityChange::ShowAtAlpha:
        SetAlpha(action.alpha);
        Window::SetVisible(true);
        return;
    }
}

// Only a layered window has an opacity; without a fade the window is not one.
void MainWindow::SetAlpha(std::uint8_t alpha) {
    if ((GetWindowLongPtrW(hWnd(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0) GiveOpacity(alpha);
}

void MainWindow::GiveOpacity(std::uint8_t alpha) {
    if (!SetLayeredWindowAttributes(hWnd(), 0, alpha, LWA_ALPHA))
        MORVANE_TRACE_FAILURE("SetLayeredWindowAttributes", GetLastError());
}

void MainWindow::SetVisible(bool visible) {
    Apply(visible ? visibility_.ProgramShows() : visibility_.ProgramHides());
}

std::wstring MainWindow::SettingsFile() const {
    return IsLoaded() ? Tag() : SettingsFilePath(process_);
}

void MainWindow::SetDisplayOptions(const DisplayOptions& options) {
    const bool captureChanged = options.noCapture != display_.noCapture;
    display_ = options;
    // No event tells when the foreground window grows to cover its monitor.
    scheduler_.SetTrackOnCheck(display_.fullScreen);
    if (!IsLoaded()) return;
    // Only a fade needs a layered window.
    SetLayered(display_.show == ShowMode::AfterChange);
    if (captureChanged && CaptureExclusionWorks(facts_.WindowsBuild()))
        facts_.ExcludeFromCapture(reinterpret_cast<WindowId>(hWnd()), display_.noCapture);
    // The next tick derives the text anew and paints it, with or without the
    // room of the Caps Lock mark, and decides whether the indicator shows.
    shown_.nLayout = 0;
    visibility_.OptionsChanged(display_.MayHide());
}

void MainWindow::SetLayered(bool layered) {
    const LONG_PTR style = GetWindowLongPtrW(hWnd(), GWL_EXSTYLE);
    if (((style & WS_EX_LAYERED) != 0) == layered) return;
    SetWindowLongPtrW(hWnd(), GWL_EXSTYLE, layered ? (style | WS_EX_LAYERED) : (style & ~LONG_PTR{WS_EX_LAYERED}));
    // A layered window shows nothing until it is given its opacity.
    if (layered) GiveOpacity(kOpaque);
    RedrawWindow(hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
}

void MainWindow::ShowNewLayout() {
    const std::wstring label =
        store_.IniReadText(Tag(), settings_key::kLabels, LayoutKey(shown_.nLayout), std::wstring());
    const std::wstring country = display_.country ? facts_.CountryName(LanguageIdOf(shown_.nLayout)) : std::wstring();
    text_ = DisplayText(shown_.sLangCode, label, display_.country, country);
    if (display_.show == ShowMode::AfterChange) follower_.CodeChanged(facts_.NowMs());
    zPaintCursor();
}

void MainWindow::zPaintCursor() {
    if (!IsLoaded()) return;
    Surface().SetBackColor(BackColor);
    Surface().SetForeColor(ForeColor);
    Surface().SetFont(Font);
    PaintOn(Surface(), hWnd());
}

void MainWindow::zPaintCursor(PictureBox& vObj) {
    PaintOn(vObj.Surface(), vObj.hWnd());
}

void MainWindow::PaintOn(DrawingSurface& surface, HWND window) const {
    const bool transparent = fwMenu_ != nullptr && fwMenu_->TransparentChecked();
    PaintIndicator(surface, window,
                   {text_, MARGIN_Width, transparent, surface.Twips(), display_.capsMark,
                    display_.capsMark && follower_.CapsOn()});
}

void MainWindow::zPosition_Return() {
    WriteIndicatorOffsets(store_, Tag(), POSITION_Left, POSITION_TOP);
    SetVisible(true);
    zPaintCursor();
    SetTracking(true);
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEACTIVATE:
        return MA_NOACTIVATE;  // a click on the indicator leaves the active window as it is
    case WM_DESTROY:
        SetTracking(false);
        events_.Uninstall();
        return SurfaceWindow::HandleMessage(message, wParam, lParam);
    case WM_DPICHANGED:
        // The next tick sizes and draws it at the scale of the monitor under
        // the cursor; the system's suggested rectangle is not taken.
    case WM_DISPLAYCHANGE:
    case WM_SETTINGCHANGE:
        monitors_.Reread();
        return message == WM_DPICHANGED ? 0 : SurfaceWindow::HandleMessage(message, wParam, lParam);
    default:
        return SurfaceWindow::HandleMessage(message, wParam, lParam);
    }
}

} // namespace morvane::win32
