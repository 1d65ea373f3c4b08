#include "indicator/display_rules.h"

#include "indicator/language_code.h"
#include "services/utilities.h"

namespace morvane {

namespace {

bool CoversMonitor(const ScreenRect& window, const ScreenRect& monitor) {
    return window.left <= monitor.left && window.top <= monitor.top && window.right >= monitor.right &&
           window.bottom >= monitor.bottom;
}

bool IsShellWindowClass(std::wstring_view className) {
    constexpr std::wstring_view kShellClasses[] = {
        L"Progman", L"WorkerW", L"#32769",             // the desktop
        L"MultitaskingViewFrame", L"TaskSwitcherWnd",  // Alt+Tab and Task View before Windows 11
        L"XamlExplorerHostIslandWindow",               // Alt+Tab, Task View and snap layouts of Windows 11
        L"ForegroundStaging",                          // in front for a moment while windows switch
        L"Windows.UI.Core.CoreWindow",                 // Start and search as top-level windows
    };
    for (const std::wstring_view shellClass : kShellClasses)
        if (className == shellClass) return true;
    return false;
}

} // namespace

std::uint8_t DisplayAlpha(const DisplayOptions& options, const DisplayMoment& moment) {
    if (options.fullScreen && moment.fullScreen) return kHidden;
    switch (options.show) {
    case ShowMode::Always: return kOpaque;
    case ShowMode::OverText: return moment.overText ? kOpaque : kHidden;
    case ShowMode::AfterChange: break;
    }
    const std::uint32_t showMs = static_cast<std::uint32_t>(options.showSeconds) * 1000;
    if (moment.msSinceChange < showMs) return kOpaque;
    const std::uint32_t intoFade = moment.msSinceChange - showMs;
    if (intoFade >= kFadeMs) return kHidden;
    const std::uint32_t stepsLeft = kFadeSteps - 1 - intoFade * kFadeSteps / kFadeMs;
    return static_cast<std::uint8_t>(kOpaque * stepsLeft / kFadeSteps);
}

std::optional<std::uint32_t> MsToNextAlphaStep(const DisplayOptions& options, std::uint32_t msSinceChange) {
    if (options.show != ShowMode::AfterChange) return std::nullopt;
    const std::uint32_t showMs = static_cast<std::uint32_t>(options.showSeconds) * 1000;
    if (msSinceChange < showMs) return showMs - msSinceChange;
    const std::uint32_t intoFade = msSinceChange - showMs;
    if (intoFade >= kFadeMs) return std::nullopt;
    const std::uint32_t nextStep = intoFade * kFadeSteps / kFadeMs + 1;
    return (nextStep * kFadeMs + kFadeSteps - 1) / kFadeSteps - intoFade;
}

bool IsFullScreen(const WindowFrame& frame, const ScreenRect& monitor, std::wstring_view className) {
    return !frame.caption && !frame.maximised && CoversMonitor(frame.rect, monitor) && !IsShellWindowClass(className);
}

bool OverTextNow(PointerShown pointer, bool lastOverText) {
    if (pointer == PointerShown::Hidden) return lastOverText;
    return pointer == PointerShown::IBeam;
}

// Written out by hand: the C library's printf would more than double the program's size.
std::wstring LayoutKey(KeyboardLayout layout) {
    constexpr wchar_t kHexDigits[] = L"0123456789ABCDEF";
    std::wstring key(8, L'0');
    for (int i = 7; i >= 0; --i, layout >>= 4) key[static_cast<std::size_t>(i)] = kHexDigits[layout & 0xF];
    return key;
}

std::wstring DisplayText(std::wstring_view code, std::wstring_view label, bool showCountry,
                         std::wstring_view countryName) {
    if (!label.empty()) return std::wstring(WholeCharactersPrefix(label, kMaxLabelLength));
    std::wstring text(code);
    if (showCountry && !countryName.empty()) text += L"-" + LanguageCode(countryName);
    return text;
}

PaintLayout WithCapsBarRoom(PaintLayout layout, TwipsPerPixel twips) {
    layout.heightPixels += kCapsBarRoom;
    layout.height = static_cast<double>(layout.heightPixels) * twips.y;
    layout.currentY += static_cast<double>(kCapsBarRoom) * twips.y;
    return layout;
}

} // namespace morvane
