#include "indicator/indicator_visibility.h"

namespace morvane {

VisibilityAction IndicatorVisibility::ProgramShows() {
    return ProgramSets(true);
}

VisibilityAction IndicatorVisibility::ProgramHides() {
    return ProgramSets(false);
}

VisibilityAction IndicatorVisibility::ProgramSets(bool shown) {
    programShown_ = shown;
    hiddenByDisplay_ = false;
    if (applied_ != kOpaque) applied_ = kUnapplied;
    return {shown ? VisibilityChange::Show : VisibilityChange::Hide};
}

VisibilityAction IndicatorVisibility::DisplayStep(std::uint8_t alpha) {
    if (!programShown_ || applied_ == alpha) return {};
    applied_ = alpha;
    if (alpha == kHidden) {
        hiddenByDisplay_ = true;
        return {VisibilityChange::Hide};
    }
    if (!hiddenByDisplay_) return {VisibilityChange::SetAlpha, alpha};
    hiddenByDisplay_ = false;
    return {VisibilityChange::ShowAtAlpha, alpha};
}

void IndicatorVisibility::OptionsChanged(bool mayHide) {
    if (mayHide || applied_ != kOpaque) applied_ = kUnapplied;
}

} // namespace morvane
