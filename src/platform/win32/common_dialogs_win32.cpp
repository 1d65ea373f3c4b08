#include "platform/win32/common_dialogs_win32.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>

#include "platform/win32/dialog_window.h"
#include "platform/win32/handles.h"

namespace morvane::win32 {

namespace {

static_assert(sizeof(LOGFONTA) == 60, "the font description is the 60-byte ANSI LOGFONT");
static_assert(sizeof(FontDescription::faceName) == sizeof(LOGFONTA::lfFaceName));

// Caption, topmost, centred on the monitor that holds the cursor. The title travels in the
// dialog description's custom data, so no state outlives the call.
void PrepareDialog(HWND dialog, const std::wstring* title) {
    if (title != nullptr && !title->empty()) SetWindowTextW(dialog, title->c_str());
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    RECT outer{};
    GetWindowRect(dialog, &outer);
    const std::int32_t width = outer.right - outer.left;
    const std::int32_t height = outer.bottom - outer.top;
    const DialogOrigin origin = CentredOrigin(MonitorUnderCursorNow().area, width, height, HalfPixel::TowardZero);
    MoveWindow(dialog, origin.left, origin.top, width, height, TRUE);
}

// ColorDialogHook and FontDialogHook: WM_INITDIALOG carries the dialog's
// description. Always 0, so the dialog's own handling runs as well.
template <typename Description>
UINT_PTR CALLBACK PickerHook(HWND dialog, UINT message, WPARAM, LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        const auto* description = reinterpret_cast<const Description*>(lParam);
        PrepareDialog(dialog, description ? reinterpret_cast<const std::wstring*>(description->lCustData) : nullptr);
    }
    return 0;
}

constexpr LPCCHOOKPROC ColorDialogHook = &PickerHook<CHOOSECOLORA>;
constexpr LPCFHOOKPROC FontDialogHook = &PickerHook<CHOOSEFONTA>;

// Keeps a movable memory block locked while it is in use.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL block) : block_(block), data_(GlobalLock(block)) {}
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    ~GlobalLockGuard() {
        if (data_) GlobalUnlock(block_);
    }
    void* get() const { return data_; }

private:
    HGLOBAL block_;
    void* data_;
};

// DeleteDC releases a device context made for a printer as well.
using UniquePrinterDc = UniqueMemoryDc;

// The default printer's device context; none when there is no default
// printer. Asks quietly: no dialog and no warning.
UniquePrinterDc DefaultPrinterDc(LazyLibrary& comdlg32) {
    const auto printDlg = comdlg32.Find<decltype(PrintDlgW)>("PrintDlgW");
    if (!printDlg) return UniquePrinterDc();
    PRINTDLGW request{};
    request.lStructSize = sizeof(request);
    request.Flags = PD_RETURNDEFAULT | PD_RETURNDC | PD_NOWARNING;
    const bool found = printDlg(&request) != FALSE;
    const UniqueGlobal devMode(request.hDevMode);
    const UniqueGlobal devNames(request.hDevNames);
    return UniquePrinterDc(found ? request.hDC : nullptr);
}

LOGFONTA ToLogFont(const FontDescription& font) {
    LOGFONTA logFont{};
    logFont.lfHeight = font.height;
    logFont.lfWidth = font.width;
    logFont.lfEscapement = font.escapement;
    logFont.lfOrientation = font.orientation;
    logFont.lfWeight = font.weight;
    logFont.lfItalic = font.italic;
    logFont.lfUnderline = font.underline;
    logFont.lfStrikeOut = font.strikeOut;
    logFont.lfCharSet = font.charset;
    logFont.lfOutPrecision = font.outPrecision;
    logFont.lfClipPrecision = font.clipPrecision;
    logFont.lfQuality = font.quality;
    logFont.lfPitchAndFamily = font.pitchAndFamily;
    std::memcpy(logFont.lfFaceName, font.faceName.data(), sizeof(logFont.lfFaceName));
    logFont.lfFaceName[LF_FACESIZE - 1] = '\0';  // the dialog reads up to a zero byte
    return logFont;
}

FontDescription FromLogFont(const LOGFONTA& logFont) {
    FontDescription font;
    font.height = logFont.lfHeight;
    font.width = logFont.lfWidth;
    font.escapement = logFont.lfEscapement;
    font.orientation = logFont.lfOrientation;
    font.weight = logFont.lfWeight;
    font.italic = logFont.lfItalic;
    font.underline = logFont.lfUnderline;
    font.strikeOut = logFont.lfStrikeOut;
    font.charset = logFont.lfCharSet;
    font.outPrecision = logFont.lfOutPrecision;
    font.clipPrecision = logFont.lfClipPrecision;
    font.quality = logFont.lfQuality;
    font.pitchAndFamily = logFont.lfPitchAndFamily;
    std::memcpy(font.faceName.data(), logFont.lfFaceName, font.faceName.size());
    return font;
}

} // namespace

bool Win32CommonDialogs::PickColour(WindowId owner, std::uint32_t& colour,
                                    std::array<std::int32_t, 16>& customColours, const std::wstring& title) {
    const auto chooseColor = comdlg32_.Find<decltype(ChooseColorA)>("ChooseColorA");
    if (!chooseColor) return false;
    std::array<COLORREF, 16> custom{};
    std::transform(customColours.begin(), customColours.end(), custom.begin(),
                   [](std::int32_t value) { return static_cast<COLORREF>(value); });
    CHOOSECOLORA description{};
    description.lStructSize = sizeof(description);
    description.hwndOwner = reinterpret_cast<HWND>(owner);
    description.rgbResult = colour;
    description.lpCustColors = custom.data();
    description.Flags = kColourDialogFlags;
    description.lCustData = reinterpret_cast<LPARAM>(&title);
    description.lpfnHook = ColorDialogHook;
    const bool confirmed = chooseColor(&description) != FALSE;
    std::transform(custom.begin(), custom.end(), customColours.begin(),
                   [](COLORREF value) { return static_cast<std::int32_t>(value); });
    if (confirmed) colour = description.rgbResult;
    return confirmed;
}

FontDialogResult Win32CommonDialogs::PickFont(WindowId owner, FontDescription& font, std::uint32_t& textColour,
                                              const std::wstring& title) {
    const auto chooseFont = comdlg32_.Find<decltype(ChooseFontA)>("ChooseFontA");
    if (!chooseFont) return FontDialogResult::Cancelled;
    const UniqueGlobal block(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(LOGFONTA)));
    if (!block) return FontDialogResult::NoMemory;
    const GlobalLockGuard lock(block.get());
    if (!lock.get()) return FontDialogResult::NoMemory;
    auto* logFont = static_cast<LOGFONTA*>(lock.get());
    *logFont = ToLogFont(font);

    const UniquePrinterDc printer = DefaultPrinterDc(comdlg32_);
    CHOOSEFONTA description{};
    description.lStructSize = sizeof(description);
    description.hwndOwner = reinterpret_cast<HWND>(owner);
    description.hDC = printer.get();
    description.lpLogFont = logFont;
    // Printer fonts need the printer's device context.
    description.Flags = printer ? kFontDialogFlags : kFontDialogFlags & ~static_cast<DWORD>(CF_PRINTERFONTS);
    description.rgbColors = textColour;
    description.lCustData = reinterpret_cast<LPARAM>(&title);
    description.lpfnHook = FontDialogHook;
    if (!chooseFont(&description)) return FontDialogResult::Cancelled;

    font = FromLogFont(*logFont);
    textColour = description.rgbColors;
    return FontDialogResult::Confirmed;
}

} // namespace morvane::win32
