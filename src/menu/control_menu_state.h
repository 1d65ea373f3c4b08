#pragma once
// The check marks and enabled states of the control menu, the refresh that
// runs each time the menu opens, and the latch that keeps a second menu from
// opening while one is open. Each change returns the marks the native menu
// must set to show it.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "menu/control_menu_items.h"

namespace morvane {

enum class ItemMark { Checked, Enabled };

struct MarkChange {
    std::uint16_t commandId;
    ItemMark mark;
    bool on;
    friend bool operator==(const MarkChange&, const MarkChange&) = default;
};
using MarkChanges = std::vector<MarkChange>;

// What each opening of the menu is refreshed from.
struct OpeningFacts {
    bool autostartOn;  // the autostart entry names this executable
    int marginWidth;   // the indicator's MARGIN_Width
};

class ControlMenuState {
public:
    // mPopupTransparent checked: the transparent background is on.
    bool TransparentChecked() const { return transparent_; }
    // mPopupBackColor is enabled exactly while the background is not transparent.
    bool BackColorEnabled() const { return !transparent_; }
    bool StartChecked() const { return start_; }
    bool MarginChecked(int index) const;

    MarkChanges SetTransparentChecked(bool on);
    MarkChanges SetStartChecked(bool on);
    // An index outside 0..9 names no item and changes nothing.
    MarkChanges SetMarginChecked(int index, bool on);

    // Every mark, for a native menu that has just been built.
    MarkChanges AllMarks() const;

    // Starts an opening: checks mPopupStart exactly when autostart is on and
    // checks the item of the margin, leaving the other margin items as they
    // are (the margin command unchecks the old one). Nothing, and no change,
    // while the menu is already open.
    std::optional<MarkChanges> BeginOpening(const OpeningFacts& facts);
    void EndOpening() { open_ = false; }
    bool IsOpen() const { return open_; }

private:
    MarkChanges TransparencyMarks() const;

    bool transparent_ = false;
    bool start_ = false;
    std::array<bool, kMarginItemCount> margins_{};
    bool open_ = false;
};

} // namespace morvane
