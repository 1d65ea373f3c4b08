#pragma once
// The display options followed from tick to tick: when the indicator last
// changed, which top-level window the cursor is over, whether the foreground
// window is a full-screen program, whether the pointer was last over text and
// whether Caps Lock is on. Only what the options in force need is read from
// the system.
#include <cstdint>
#include <optional>

#include "indicator/display_rules.h"
#include "platform/display_facts.h"
#include "platform/input_cursor.h"
#include "services/display_settings.h"

namespace morvane {

// How often the facts that change seldom are read, so that a tick mostly
// reads nothing new: Caps Lock and the foreground window at most every
// kSlowReadMs (the mark or the hiding may lag by that much), the top-level
// window under the cursor every kWindowReadMs.
inline constexpr std::uint32_t kSlowReadMs = 100;
inline constexpr std::uint32_t kWindowReadMs = 50;

struct DisplayStep {
    std::uint8_t alpha = kOpaque;
    bool capsChanged = false;  // the indicator must be painted again
    std::optional<std::uint32_t> dueMs;  // the opacity changes by itself this much later
};

class DisplayFollower {
public:
    // A new code is shown: "After a change" shows the indicator again.
    void CodeChanged(std::uint32_t nowMs);

    // One tick with the cursor's hot spot at hotSpot; indicator is the
    // indicator window, which never counts as a window the cursor moved onto.
    DisplayStep Follow(const DisplayOptions& options, const DisplayFacts& facts, const InputCursor& input,
                       ScreenPoint hotSpot, WindowId indicator);

    bool CapsOn() const { return capsOn_; }

private:
    bool FullScreenNow(const DisplayFacts& facts, const InputCursor& input, std::uint32_t now);
    std::uint32_t MsSinceChange(const InputCursor& input, ScreenPoint hotSpot, WindowId indicator,
                                std::uint32_t now);

    std::uint32_t changedAtMs_ = 0;
    bool fadedOut_ = false;  // hidden after a change until the next one
    WindowId topLevel_ = kNoWindow;
    std::optional<std::uint32_t> topLevelReadAtMs_;
    WindowId foreground_ = kNoWindow;
    WindowFrame foregroundFrame_;
    bool fullScreen_ = false;
    std::optional<std::uint32_t> foregroundReadAtMs_;
    bool overText_ = false;  // kept while the pointer is hidden
    bool capsOn_ = false;
    std::optional<std::uint32_t> capsReadAtMs_;
};

} // namespace morvane
