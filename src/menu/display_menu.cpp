#include "menu/display_menu.h"

#include <algorithm>

#include "services/utilities.h"

namespace morvane {

namespace {

ShowMode ShowModeOfItem(DisplayItem item) {
    if (item == DisplayItem::OverText) return ShowMode::OverText;
    if (item == DisplayItem::AfterChange) return ShowMode::AfterChange;
    return ShowMode::Always;
}

// The flag an item switches, and its key; nullptr for the show-mode items.
bool* FlagOfItem(DisplayOptions& options, DisplayItem item, const std::wstring** key) {
    switch (item) {
    case DisplayItem::FullScreen: *key = &display_key::kFullScreen; return &options.fullScreen;
    case DisplayItem::Country: *key = &display_key::kCountry; return &options.country;
    case DisplayItem::CapsMark: *key = &display_key::kCapsMark; return &options.capsMark;
    case DisplayItem::NoCapture: *key = &display_key::kNoCapture; return &options.noCapture;
    default: return nullptr;
    }
}

} // namespace

bool IsShowModeItem(DisplayItem item) {
    return item == DisplayItem::Always || item == DisplayItem::OverText || item == DisplayItem::AfterChange;
}

MarkChanges DisplayMarks(const DisplayOptions& options) {
    MarkChanges marks;
    for (const DisplayItemDesign& design : kDisplayItems) {
        if (design.commandId == 0) continue;
        DisplayOptions copy = options;
        const std::wstring* key = nullptr;
        const bool* flag = FlagOfItem(copy, design.item, &key);
        const bool on = flag != nullptr ? *flag : options.show == ShowModeOfItem(design.item);
        marks.push_back({design.commandId, ItemMark::Checked, on});
    }
    return marks;
}

MarkChanges DisplayCommands::Marks() const {
    return DisplayMarks(ReadDisplayOptions(store_, target_.SettingsFile()));
}

std::optional<MarkChanges> DisplayCommands::Choose(unsigned commandId) {
    const auto found = std::find_if(kDisplayItems.begin(), kDisplayItems.end(), [commandId](const auto& design) {
        return design.commandId != 0 && design.commandId == commandId;
    });
    if (found == kDisplayItems.end()) return std::nullopt;

    const std::wstring file = target_.SettingsFile();
    DisplayOptions options = ReadDisplayOptions(store_, file);
    const std::wstring* key = nullptr;
    if (bool* flag = FlagOfItem(options, found->item, &key)) {
        *flag = !*flag;
        store_.IniWriteNumber(file, display_key::kSection, *key, BitOf(*flag));
    } else if (const ShowMode mode = ShowModeOfItem(found->item); mode != options.show) {
        options.show = mode;
        store_.IniWriteNumber(file, display_key::kSection, display_key::kShow, static_cast<std::int32_t>(mode));
    }
    target_.SetDisplayOptions(options);
    return DisplayMarks(options);
}

} // namespace morvane
