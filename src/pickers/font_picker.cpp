#include "pickers/font_picker.h"

#include <cstdint>

#include "pickers/font_description.h"

namespace morvane {

FontDialogResult ShowFontDialog(CommonDialogs& dialogs, const AnsiCodePage& ansi, FontTarget& target,
                                const std::wstring& title) {
    const std::int32_t pixelsPerInch = target.PixelsPerInchY();
    FontDescription description = FontDescriptionFromFont(target.Font(), pixelsPerInch, ansi);
    std::uint32_t textColour = target.ForeColor();
    const FontDialogResult result = dialogs.PickFont(target.hWnd(), description, textColour, title);
    if (result == FontDialogResult::Confirmed) {
        target.SetFont(LogFontToFont(description, pixelsPerInch, ansi));
        target.SetForeColor(textColour);
    }
    return result;
}

} // namespace morvane
