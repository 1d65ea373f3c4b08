#include "indicator/indicator_settings.h"

#include "services/settings_keys.h"
#include "services/utilities.h"

namespace morvane {

namespace {

std::int32_t ReadLimited(const SettingsStore& store, const std::wstring& file, const std::wstring& key,
                         std::int32_t defaultValue, std::int32_t low, std::int32_t high) {
    return MinOf(MaxOf(store.IniReadNumber(file, settings_key::kMain, key, defaultValue), low), high);
}

} // namespace

StdFont IndicatorDesignFont() {
    return DesignFont(L"Tahoma", SettingsNumber::FromScaled(82500), true, kAnsiCharset);  // 8.25 points
}

std::wstring SettingsFilePath(const ProcessFacts& process) {
    return process.ExecutableDirectory() + L"\\" + process.ExecutableBaseName() + L".dat";
}

IndicatorSettings LoadIndicatorSettings(const SettingsStore& store, const ProcessFacts& process,
                                        const InputCursor& input, const StdFont& designFont) {
    IndicatorSettings settings;
    const std::wstring file = SettingsFilePath(process);
    settings.settingsPath = file;
    settings.BackColor = ReadColour(store, file, settings_key::kMain, settings_key::kBackColor, L"FFFFFF");
    settings.ForeColor = ReadColour(store, file, settings_key::kMain, settings_key::kForeColor, L"0000FF");
    settings.Font = IniReadFont(store, file, settings_key::kFont, L"", designFont);
    settings.MARGIN_Width = ReadLimited(store, file, settings_key::kMargin, 1, 0, 9);
    settings.POSITION_Left = ReadLimited(store, file, settings_key::kShiftX, 0, -190, 190);
    settings.POSITION_TOP = ReadLimited(store, file, settings_key::kShiftY, 0, -150, 150);
    const CursorSize cursor = input.SystemCursorSize();
    settings.CURSOR_Width = cursor.width;
    settings.CURSOR_Height = cursor.height;
    return settings;
}

void WriteIndicatorOffsets(const SettingsStore& store, const std::wstring& settingsPath, std::int32_t positionLeft,
                           std::int32_t positionTop) {
    store.IniWriteNumber(settingsPath, settings_key::kMain, settings_key::kShiftX, positionLeft);
    store.IniWriteNumber(settingsPath, settings_key::kMain, settings_key::kShiftY, positionTop);
}

} // namespace morvane
