#pragma once
// The colour and font dialogs of comdlg32, loaded with the first dialog. The ANSI versions are used so the
// font description crosses as it is, face name in the ANSI code page.
#include <windows.h>

#include "platform/common_dialogs.h"
#include "platform/win32/lazy_library.h"

namespace morvane::win32 {

// CC_RGBINIT | CC_FULLOPEN | CC_ENABLEHOOK | CC_ANYCOLOR
inline constexpr DWORD kColourDialogFlags = 0x113;
// CF_SCREENFONTS | CF_PRINTERFONTS | CF_ENABLEHOOK | CF_INITTOLOGFONTSTRUCT |
// CF_EFFECTS | CF_FORCEFONTEXIST | CF_SCALABLEONLY
inline constexpr DWORD kFontDialogFlags = 0x3014B;

class Win32CommonDialogs : public CommonDialogs {
public:
    bool PickColour(WindowId owner, std::uint32_t& colour, std::array<std::int32_t, 16>& customColours,
                    const std::wstring& title) override;
    // Lists the default printer's fonts beside the screen fonts; with no
    // default printer (or none that gives a device context) the screen
    // fonts alone.
    FontDialogResult PickFont(WindowId owner, FontDescription& font, std::uint32_t& textColour,
                              const std::wstring& title) override;

private:
    LazyLibrary comdlg32_{L"comdlg32.dll"};
};

} // namespace morvane::win32
