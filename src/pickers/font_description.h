#pragma once
// The font object as the font dialog describes it, and back.
#include <array>
#include <cstdint>
#include <string_view>

#include "platform/ansi_code_page.h"
#include "platform/common_dialogs.h"
#include "services/font.h"

namespace morvane {

// The face-name field: the name in the ANSI code page, cut after the last
// whole character that leaves room for the closing zero byte (never half a
// double-byte character), then zero bytes to the end.
std::array<std::uint8_t, 32> FaceNameField(const AnsiCodePage& ansi, std::wstring_view name);

// What the dialog opens on: the height of the size made whole (9.75 points
// open as 10) at the device's pixels per inch, negative as a character
// height; weight 700 when bold, else 0 (no preference); the three effects;
// the character set; the face name. Everything else 0.
FontDescription FontDescriptionFromFont(const StdFont& font, std::int32_t pixelsPerInchY, const AnsiCodePage& ansi);

// A new font object from the dialog's choice: whole points from the height at
// the device's pixels per inch; bold only for weight exactly 700, so a
// semibold (600) or black (900) choice comes back as a normal 400 font.
StdFont LogFontToFont(const FontDescription& description, std::int32_t pixelsPerInchY, const AnsiCodePage& ansi);

} // namespace morvane
