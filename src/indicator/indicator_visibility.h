#pragma once
// Whether the indicator shows and how opaque it is. The program shows and
// hides it (at start, around its dialogs); while shown by the program, the
// display options may fade it or hide it for a while. Each event gives the
// one change the window must make, so the window itself keeps no such state.
#include <cstdint>

#include "indicator/display_rules.h"

namespace morvane {

enum class VisibilityChange {
    None,
    Show,         // shown as it is
    Hide,
    SetAlpha,     // given alpha, and stays as shown
    ShowAtAlpha,  // given alpha, then shown: the display options hid it before
};

struct VisibilityAction {
    VisibilityChange change = VisibilityChange::None;
    std::uint8_t alpha = kOpaque;  // for SetAlpha and ShowAtAlpha

    bool operator==(const VisibilityAction&) const = default;
};

class IndicatorVisibility {
public:
    // Shown or hidden by the program (start-up; a dialog opens or closes):
    // a hiding by a display option ends, and the next display step decides
    // anew unless the window is known to be opaque.
    VisibilityAction ProgramShows();
    VisibilityAction ProgramHides();

    // One tick's opacity from the display options; kHidden hides the window
    // rather than drawing it at opacity 0, so nothing is hit-tested and
    // systems without a compositor hide it too. Nothing while the program
    // keeps the indicator hidden.
    VisibilityAction DisplayStep(std::uint8_t alpha);

    // The display options changed: when they may hide the indicator, or it
    // is not opaque now, the next step is applied whatever it is.
    void OptionsChanged(bool mayHide);

    // Shown by the program, though perhaps hidden for now by a display option.
    bool Tracking() const { return programShown_; }
    bool HiddenByDisplay() const { return hiddenByDisplay_; }
    // False only while the window is known to be fully opaque.
    bool MayNotBeOpaque() const { return applied_ != kOpaque; }

private:
    VisibilityAction ProgramSets(bool shown);

    // The opacity last given to the window; kUnapplied until the next step decides.
    static constexpr int kUnapplied = -1;
    int applied_ = kOpaque;
    bool programShown_ = false;
    bool hiddenByDisplay_ = false;
};

} // namespace morvane
