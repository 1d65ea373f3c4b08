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
    if (options.show == ShowMode::OverText) moment.overText = facts.CursorIsIBeam();
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
        const bool on = facts.CapsLockOn();
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

// The monitor, and whether the window is the desktop, are looked up only when
// the foreground window or its rectangle has changed since it was last read.
bool DisplayFollower::FullScreenNow(const DisplayFacts& facts, const InputCursor& input, std::uint32_t now) {
    if (!Due(foregroundReadAtMs_, now, kSlowReadMs)) return fullScreen_;
    const WindowId foreground = input.ForegroundWindow();
    const ScreenRect rect = foreground == kNoWindow ? ScreenRect{} : facts.WindowRect(foreground);
    if (foreground != foreground_ || rect != foregroundRect_) {
        foreground_ = foreground;
        foregroundRect_ = rect;
        fullScreen_ = foreground != kNoWindow && !facts.IsDesktop(foreground) &&
                      CoversMonitor(rect, facts.MonitorRectOf(foreground));
    }
    return fullScreen_;
}

} // namespace morvane
