#include "indicator/layout_source.h"

namespace morvane {

std::optional<WindowId> LayoutSourceWindow(const LayoutFacts& facts) {
    if (facts.under == facts.indicator) return std::nullopt;
    const bool overForeground = facts.foreground != kNoWindow && facts.root == facts.foreground;
    // A frame's own focus is on the frame host's thread, not the app's; a
    // console's on the thread of the program inside, which reads no keys.
    const bool separate = facts.inputWindow != kNoWindow;
    const bool focusUsable = facts.focus != kNoWindow && !(separate && facts.focusThread == facts.rootThread);
    if (overForeground && focusUsable) return facts.focus;
    if (separate) return facts.inputWindow;
    return facts.under;
}

} // namespace morvane
