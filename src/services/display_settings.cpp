#include "services/display_settings.h"

#include "services/utilities.h"

namespace morvane {

namespace {

bool ReadFlag(const SettingsStore& store, const std::wstring& file, const std::wstring& key) {
    return FlagOf(store.IniReadNumber(file, settings_key::kMain, key, 0));
}

} // namespace

ShowMode ShowModeOf(SettingsNumber stored) {
    if (stored == SettingsNumber{1}) return ShowMode::OverText;
    if (stored == SettingsNumber{2}) return ShowMode::AfterChange;
    return ShowMode::Always;
}

std::int32_t ShowSecondsOf(SettingsNumber stored) {
    return MinOf(MaxOf(stored, kMinShowSeconds), kMaxShowSeconds);
}

bool FlagOf(SettingsNumber stored) {
    return stored == SettingsNumber{1};
}

DisplayOptions ReadDisplayOptions(const SettingsStore& store, const std::wstring& file) {
    using namespace settings_key;
    DisplayOptions options;
    options.show = ShowModeOf(store.IniReadNumber(file, kMain, kShow, 0));
    options.showSeconds = ShowSecondsOf(store.IniReadNumber(file, kMain, kShowSeconds, kDefaultShowSeconds));
    options.fullScreen = ReadFlag(store, file, kFullScreen);
    options.keepInside = ReadFlag(store, file, kKeepInside);
    options.country = ReadFlag(store, file, kCountry);
    options.capsMark = ReadFlag(store, file, kCapsMark);
    options.noCapture = ReadFlag(store, file, kNoCapture);
    return options;
}

} // namespace morvane
