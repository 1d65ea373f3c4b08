#pragma once
// The system's colour and font dialogs. Each runs modally, on top of all
// windows and centred on the monitor that holds the cursor, with the caller's title (the
// dialog's own caption when the title is empty).
#include <array>
#include <cstdint>
#include <string>

#include "platform/window_id.h"

namespace morvane {

// The font as the system's font dialog describes it (LOGFONT).
struct FontDescription {
    std::int32_t height = 0;  // negative: character height in device units
    std::int32_t width = 0;
    std::int32_t escapement = 0;
    std::int32_t orientation = 0;
    std::int32_t weight = 0;
    std::uint8_t italic = 0;
    std::uint8_t underline = 0;
    std::uint8_t strikeOut = 0;
    std::uint8_t charset = 0;
    std::uint8_t outPrecision = 0;
    std::uint8_t clipPrecision = 0;
    std::uint8_t quality = 0;
    std::uint8_t pitchAndFamily = 0;
    // The face name in the ANSI code page, ended by a zero byte.
    std::array<std::uint8_t, 32> faceName{};
};

enum class FontDialogResult {
    NoMemory = 0,  // no dialog was shown
    Confirmed = 1,
    Cancelled = 2,
};

class CommonDialogs {
public:
    virtual ~CommonDialogs() = default;

    // Opens fully, on colour, with the 16 custom colours (0x00BBGGRR each).
    // True when the user pressed OK: colour holds the choice. The custom
    // colours hold what the dialog left in them either way. A dialog that
    // fails to open counts as cancelled.
    virtual bool PickColour(WindowId owner, std::uint32_t& colour, std::array<std::int32_t, 16>& customColours,
                            const std::wstring& title) = 0;
    // Screen and printer fonts, scalable only, with effects (text colour,
    // underline, strike-out), opened on font. On Confirmed, font and
    // textColour hold the choice; otherwise they are unchanged.
    virtual FontDialogResult PickFont(WindowId owner, FontDescription& font, std::uint32_t& textColour,
                                      const std::wstring& title) = 0;
};

} // namespace morvane
