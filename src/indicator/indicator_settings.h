#pragma once
// The indicator window's settings: where they are kept, how its Load reads
// them with their defaults and limits, and how a new offset is stored.
#include <cstdint>
#include <string>

#include "platform/input_cursor.h"
#include "platform/process_facts.h"
#include "services/colour_text.h"
#include "services/font.h"
#include "services/settings_store.h"

namespace morvane {

struct IndicatorSettings {
    std::wstring settingsPath;  // the window's Tag
    Colour BackColor = 0;
    Colour ForeColor = 0;
    StdFont Font;
    std::int32_t MARGIN_Width = 0;   // pixels, 0..9
    std::int32_t POSITION_Left = 0;  // pixels from the hot spot, -190..190; 0 automatic
    std::int32_t POSITION_TOP = 0;   // pixels from the hot spot, -150..150; 0 automatic
    std::int16_t CURSOR_Width = 0;
    std::int16_t CURSOR_Height = 0;
};

// Tahoma, 8.25 points, bold, ANSI character set.
StdFont IndicatorDesignFont();

// The executable's directory, "\", its base name and ".dat": a copy run
// under another name keeps its own settings.
std::wstring SettingsFilePath(const ProcessFacts& process);

// Reads, in this order: the colours, the font (each missing key falls back
// to designFont), the margin and the offsets (each brought into its range),
// and the system cursor's size, which is not seen to change afterwards.
// Writes nothing.
IndicatorSettings LoadIndicatorSettings(const SettingsStore& store, const ProcessFacts& process,
                                        const InputCursor& input, const StdFont& designFont);

// "ShiftX", then "ShiftY", always written, also when the values came back
// unchanged from a cancelled position dialog.
void WriteIndicatorOffsets(const SettingsStore& store, const std::wstring& settingsPath, std::int32_t positionLeft,
                           std::int32_t positionTop);

} // namespace morvane
