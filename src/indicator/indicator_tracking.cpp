#include "indicator/indicator_tracking.h"

#include "indicator/language_code.h"

namespace morvane {

namespace {

constexpr KeyboardLayout kLanguageIdMask = 0xFFFF;

// True when the layout under the cursor is new: shown then holds it and its code.
bool FollowLanguage(ScreenPoint hotSpot, WindowId indicator, LanguageShown& shown, const InputCursor& input) {
    const WindowId under = input.WindowAt(hotSpot);
    if (under == indicator) return false;
    const KeyboardLayout layout = input.KeyboardLayoutOf(under);
    if (layout == shown.nLayout) return false;
    shown.nLayout = layout;
    shown.sLangCode = LanguageCode(input.Iso639LanguageName(static_cast<std::uint16_t>(layout & kLanguageIdMask)));
    return true;
}

} // namespace

TickAction ChooseTickAction(const InputCursor& input, bool menuOpen) {
    if (menuOpen) return TickAction::Wait;
    const bool gesture = input.KeyHeld(virtual_key::kLeftShift) && input.KeyHeld(virtual_key::kMiddleButton);
    return gesture ? TickAction::OpenMenu : TickAction::FollowCursor;
}

IndicatorOffset MoveIndicator(ScreenPoint hotSpot, IndicatorOffset stored, CursorSize cursor, LanguageShown& shown,
                              const InputCursor& input, TrackedIndicator& indicator) {
    if (!indicator.IsShown()) return stored;
    if (FollowLanguage(hotSpot, indicator.Id(), shown, input)) indicator.Repaint();
    // After the repaint: a new code can change the indicator's size.
    const IndicatorGeometry geometry = indicator.Geometry();
    const IndicatorOffset offset = SettledOffset(stored, geometry);
    indicator.PlaceOnTop(IndicatorTopLeft(hotSpot, offset, cursor, geometry));
    return offset;
}

} // namespace morvane
