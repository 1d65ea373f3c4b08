#include "indicator/indicator_tracking.h"

#include "indicator/language_code.h"
#include "indicator/layout_source.h"

namespace morvane {

namespace {

// The facts for the window under the cursor. The focus is asked for only
// over the foreground window, and the window that reads a frame's or a
// console's keys only when the cursor reaches another top-level window or
// while none has been found: the plain tick makes two cheap reads more.
LayoutFacts ReadLayoutFacts(WindowId under, WindowId indicator, LanguageShown& shown, const InputCursor& input) {
    LayoutFacts facts{.indicator = indicator, .under = under};
    if (under == indicator || under == kNoWindow) return facts;
    facts.root = input.RootWindowOf(under);
    facts.foreground = input.ForegroundWindow();
    if (facts.root != shown.root || (shown.host.separate && shown.host.window == kNoWindow)) {
        shown.root = facts.root;
        shown.host = input.InputHostOf(facts.root);
    }
    facts.inputWindow = shown.host.window;
    if (facts.foreground != kNoWindow && facts.root == facts.foreground) facts.focus = input.ForegroundFocusWindow();
    if (facts.inputWindow != kNoWindow && facts.focus != kNoWindow) {
        facts.rootThread = input.ThreadOf(facts.root);
        facts.focusThread = input.ThreadOf(facts.focus);
    }
    return facts;
}

// True when the layout the user types with is new: shown then holds it and its code.
bool FollowLanguage(ScreenPoint hotSpot, WindowId indicator, LanguageShown& shown, const InputCursor& input) {
    const std::optional<WindowId> source =
        LayoutSourceWindow(ReadLayoutFacts(input.WindowAt(hotSpot), indicator, shown, input));
    if (!source) return false;
    const KeyboardLayout layout = input.KeyboardLayoutOf(*source);
    // 0: the thread has no keyboard state; its language is not known.
    if (layout == 0 || layout == shown.nLayout) return false;
    shown.nLayout = layout;
    shown.sLangCode = LanguageCode(input.Iso639LanguageName(LanguageIdOf(layout)));
    return true;
}

} // namespace

TickAction ChooseTickAction(const InputCursor& input, bool menuOpen) {
    if (menuOpen) return TickAction::Wait;
    const bool gesture = input.KeyHeld(virtual_key::kLeftShift) && input.KeyHeld(virtual_key::kMiddleButton);
    return gesture ? TickAction::OpenMenu : TickAction::FollowCursor;
}

IndicatorOffset MoveIndicator(ScreenPoint hotSpot, IndicatorOffset stored, CursorSize cursor, LanguageShown& shown,
                              const InputCursor& input, TrackedIndicator& indicator, const ScreenRect* keepInside) {
    if (!indicator.IsShown()) return stored;
    if (FollowLanguage(hotSpot, indicator.Id(), shown, input)) indicator.Repaint();
    // After the repaint: a new code can change the indicator's size.
    const IndicatorGeometry geometry = indicator.Geometry();
    const IndicatorOffset offset = SettledOffset(stored, geometry);
    const ScreenPoint topLeft = IndicatorTopLeft(hotSpot, offset, cursor, geometry);
    indicator.PlaceOnTop(keepInside ? KeptInside(topLeft, hotSpot, geometry, *keepInside) : topLeft);
    return offset;
}

} // namespace morvane
