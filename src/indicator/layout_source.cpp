#include "indicator/layout_source.h"

namespace morvane {

std::optional<WindowId> LayoutSourceWindow(const LayoutFacts& facts) {
    if (facts.under == facts.indicator) return std::nullopt;
    const bool overForeground = facts.foreground != kNoWindow && facts.root == facts.foreground;
    // A frame's own focus is on the frame host's thread, not the app's.
    const bool focusUsable = facts.focus != kNoWindow && !(facts.coreWindow != kNoWindow && facts.focus == facts.root);
    if (overForeground && focusUsable) return facts.focus;
    if (facts.coreWindow != kNoWindow) return facts.coreWindow;
    return facts.under;
}

} // namespace morvane
