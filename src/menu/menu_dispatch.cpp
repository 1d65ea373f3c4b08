#include "menu/menu_dispatch.h"

#include <array>
#include <cstddef>

#include "menu/control_menu_items.h"

namespace morvane {

namespace {

using Handler = MarkChanges (*)(const MenuHandlers& handlers, int argument);

struct CommandEntry {
    std::uint16_t commandId = 0;
    Handler run = nullptr;
    int argument = 0;  // the margin index, or the display item
};

template <void (MenuCommands::*click)()>
MarkChanges Click(const MenuHandlers& handlers, int) {
    if (handlers.commands) (handlers.commands->*click)();
    return {};
}

MarkChanges Margin(const MenuHandlers& handlers, int index) {
    if (handlers.commands) handlers.commands->MarginClick(index);
    return {};
}

MarkChanges Display(const MenuHandlers& handlers, int item) {
    return handlers.display ? handlers.display->Choose(static_cast<DisplayItem>(item)) : MarkChanges{};
}

struct ClickItem {
    PopupItem item;
    Handler run;
};
constexpr ClickItem kClickItems[] = {
    {PopupItem::Font, Click<&MenuCommands::FontClick>},
    {PopupItem::BackColor, Click<&MenuCommands::BackColorClick>},
    {PopupItem::Transparent, Click<&MenuCommands::TransparentClick>},
    {PopupItem::Position, Click<&MenuCommands::PositionClick>},
    {PopupItem::Start, Click<&MenuCommands::StartClick>},
    {PopupItem::About, Click<&MenuCommands::AboutClick>},
    {PopupItem::Exit, Click<&MenuCommands::ExitClick>},
};

constexpr std::size_t kDisplayCommandCount = kDisplayItems.size() - 1;  // all but the separator
constexpr std::size_t kCommandCount = std::size(kClickItems) + kMarginItemCount + kDisplayCommandCount;

constexpr std::array<CommandEntry, kCommandCount> kCommands = [] {
    std::array<CommandEntry, kCommandCount> table{};
    std::size_t next = 0;
    for (const ClickItem& click : kClickItems) table[next++] = {CommandIdOf(click.item), click.run};
    for (int index = 0; index < kMarginItemCount; ++index) table[next++] = {MarginCommandId(index), Margin, index};
    for (const DisplayItemDesign& design : kDisplayItems)
        if (design.commandId != 0) table[next++] = {design.commandId, Display, static_cast<int>(design.item)};
    return table;
}();

} // namespace

MarkChanges RunMenuCommand(unsigned commandId, const MenuHandlers& handlers) {
    for (const CommandEntry& entry : kCommands)
        if (entry.commandId == commandId) return entry.run(handlers, entry.argument);
    return {};
}

} // namespace morvane
