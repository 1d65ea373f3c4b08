#include "indicator/display_follower.h"

namespace morvane {

namespace {

// True, and now remembered, when the fact was never read or its interval has passed.
bool Due(std::optional<std::uint32_t>& readAtMs, std::uint32_t now, std::uint32_t interval) {
    if (readAtMs && now - *readAtMs < interval) return false;
    readAtMs = now;
    return true;
}

} // namespace

void DisplayFollower::CodeChanged(std::uint32_t nowMs) {
    changedAtMs_ = nowMs;
    fadedOut_ = false;
}

DisplayStep DisplayFollower::Follow(const DisplayOptions& options, const DisplayFacts& facts,
                                    const InputCursor& input, ScreenPoint hotSpot, WindowId indicator) {
    DisplayStep step;
    DisplayMoment moment;
    const bool afterChange = options.show == ShowMode::AfterChange;
    const std::uint32_t now = afterChange || options.fullScreen || options.capsMark ? facts.NowMs() : 0;
    if (options.show == ShowMode::OverText) moment.overText = overText_ = OverTextNow(facts.Pointer(), overText_);
    if (afterChange) moment.msSinceChange = MsSinceChange(input, hotSpot, indicator, now);
    if (options.fullScreen) moment.fullScreen = FullScreenNow(facts, input, now);
    step.alpha = DisplayAlpha(options, moment);
    // Once faded out it stays hidden until a change, however long that takes.
    if (afterChange) {
        if (fadedOut_) step.alpha = kHidden;
        fadedOut_ = step.alpha == kHidden && !moment.fullScreen;
        if (!fadedOut_) step.dueMs = MsToNextAlphaStep(options, moment.msSinceChange);
    }

    if (options.capsMark && Due(capsReadAtMs_, now, kSlowReadMs)) {
        // When the system cannot tell, the last value read stays.
        const bool on = facts.CapsLockOn().value_or(capsOn_);
        step.capsChanged = on != capsOn_;
        capsOn_ = on;
    }
    return step;
}

std::uint32_t DisplayFollower::MsSinceChange(const InputCursor& input, ScreenPoint hotSpot, WindowId indicator,
                                             std::uint32_t now) {
    if (Due(topLevelReadAtMs_, now, kWindowReadMs)) {
        const WindowId under = input.WindowAt(hotSpot);
        const WindowId topLevel = under == indicator ? topLevel_ : input.RootWindowOf(under);
        if (topLevel != topLevel_) {
            topLevel_ = topLevel;
            CodeChanged(now);
        }
    }
    return now - changedAtMs_;
}

// The monitor and the window's class are looked up only when the foreground
// window or its frame has changed since it was last read.
bool DisplayFollower::FullScreenNow(const DisplayFacts& facts, const InputCursor& input, std::uint32_t now) {
    if (!Due(foregroundReadAtMs_, now, kSlowReadMs)) return fullScreen_;
    const WindowId foreground = input.ForegroundWindow();
    const WindowFrame frame = foreground == kNoWindow ? WindowFrame{} : facts.FrameOf(foreground);
    if (foreground != foreground_ || frame != foregroundFrame_) {
        foreground_ = foreground;
        foregroundFrame_ = frame;
        fullScreen_ = foreground != kNoWindow &&
                      IsFullScreen(frame, facts.MonitorRectOf(foreground), facts.ClassNameOf(foreground));
    }
    return fullScreen_;
}

} // namespace morvane
