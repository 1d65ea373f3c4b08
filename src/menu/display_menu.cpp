#include "menu/display_menu.h"

#include "services/settings_keys.h"
#include "services/utilities.h"

namespace morvane {

namespace {

ShowMode ShowModeOfItem(DisplayItem item) {
    if (item == DisplayItem::OverText) return ShowMode::OverText;
    if (item == DisplayItem::AfterChange) return ShowMode::AfterChange;
    return ShowMode::Always;
}

// The items that switch one flag each, and the flag's key.
struct FlagItem {
    DisplayItem item;
    bool DisplayOptions::*flag;
    const wchar_t* key;
};
const FlagItem kFlagItems[] = {
    {DisplayItem::FullScreen, &DisplayOptions::fullScreen, settings_key::kFullScreen},
    {DisplayItem::KeepInside, &DisplayOptions::keepInside, settings_key::kKeepInside},
    {DisplayItem::Country, &DisplayOptions::country, settings_key::kCountry},
    {DisplayItem::CapsMark, &DisplayOptions::capsMark, settings_key::kCapsMark},
    {DisplayItem::NoCapture, &DisplayOptions::noCapture, settings_key::kNoCapture},
};

// nullptr for the show-mode items.
const FlagItem* FlagItemOf(DisplayItem item) {
    for (const FlagItem& flagItem : kFlagItems)
        if (flagItem.item == item) return &flagItem;
    return nullptr;
}

} // namespace

bool IsShowModeItem(DisplayItem item) {
    return item == DisplayItem::Always || item == DisplayItem::OverText || item == DisplayItem::AfterChange;
}

MarkChanges DisplayMarks(const DisplayOptions& options, bool captureExclusionWorks) {
    MarkChanges marks;
    for (const DisplayItemDesign& design : kDisplayItems) {
        if (design.commandId == 0) continue;
        const FlagItem* flagItem = FlagItemOf(design.item);
        const bool usable = design.item != DisplayItem::NoCapture || captureExclusionWorks;
        const bool on = flagItem != nullptr ? options.*(flagItem->flag) : options.show == ShowModeOfItem(design.item);
        marks.push_back({design.commandId, ItemMark::Checked, on && usable});
        if (!usable) marks.push_back({design.commandId, ItemMark::Enabled, false});
    }
    return marks;
}

MarkChanges DisplayCommands::Marks() const {
    return DisplayMarks(ReadDisplayOptions(store_, target_.SettingsFile()), captureExclusionWorks_);
}

MarkChanges DisplayCommands::Choose(DisplayItem item) {
    const std::wstring file = target_.SettingsFile();
    DisplayOptions options = ReadDisplayOptions(store_, file);
    if (const FlagItem* flagItem = FlagItemOf(item)) {
        bool& flag = options.*(flagItem->flag);
        flag = !flag;
        store_.IniWriteNumber(file, settings_key::kMain, flagItem->key, BitOf(flag));
    } else if (const ShowMode mode = ShowModeOfItem(item); mode != options.show) {
        options.show = mode;
        store_.IniWriteNumber(file, settings_key::kMain, settings_key::kShow, static_cast<std::int32_t>(mode));
    }
    target_.SetDisplayOptions(options);
    return DisplayMarks(options, captureExclusionWorks_);
}

} // namespace morvane
