#include "menu/control_menu_state.h"

namespace morvane {

namespace {

bool IsMarginIndex(int index) {
    return index >= 0 && index < kMarginItemCount;
}

MarkChange Checked(PopupItem item, bool on) {
    return {DesignOf(item).commandId, ItemMark::Checked, on};
}

} // namespace

bool ControlMenuState::MarginChecked(int index) const {
    return IsMarginIndex(index) && margins_[static_cast<std::size_t>(index)];
}

MarkChanges ControlMenuState::SetTransparentChecked(bool on) {
    transparent_ = on;
    return TransparencyMarks();
}

MarkChanges ControlMenuState::TransparencyMarks() const {
    return {Checked(PopupItem::Transparent, transparent_),
            {DesignOf(PopupItem::BackColor).commandId, ItemMark::Enabled, BackColorEnabled()}};
}

MarkChanges ControlMenuState::SetStartChecked(bool on) {
    start_ = on;
    return {Checked(PopupItem::Start, on)};
}

MarkChanges ControlMenuState::SetMarginChecked(int index, bool on) {
    if (!IsMarginIndex(index)) return {};
    margins_[static_cast<std::size_t>(index)] = on;
    return {{MarginCommandId(index), ItemMark::Checked, on}};
}

MarkChanges ControlMenuState::AllMarks() const {
    MarkChanges marks = TransparencyMarks();
    marks.push_back(Checked(PopupItem::Start, start_));
    for (int index = 0; index < kMarginItemCount; ++index)
        marks.push_back({MarginCommandId(index), ItemMark::Checked, MarginChecked(index)});
    return marks;
}

std::optional<MarkChanges> ControlMenuState::BeginOpening(const OpeningFacts& facts) {
    if (open_) return std::nullopt;
    open_ = true;
    MarkChanges marks = SetStartChecked(facts.autostartOn);
    for (const MarkChange& mark : SetMarginChecked(facts.marginWidth, true)) marks.push_back(mark);
    return marks;
}

} // namespace morvane
