#include "indicator/display_follower.h"

namespace morvane {

void DisplayFollower::CodeChanged(std::uint32_t nowMs) {
    changedAtMs_ = nowMs;
    fadedOut_ = false;
}

DisplayStep DisplayFollower::Follow(const DisplayOptions& options, const DisplayFacts& facts,
                                    const InputCursor& input, ScreenPoint hotSpot, WindowId indicator) {
    DisplayStep step;
    DisplayMoment moment;
    if (options.show == ShowMode::OverText) moment.overText = facts.CursorIsIBeam();
    if (options.show == ShowMode::AfterChange) moment.msSinceChange = MsSinceChange(facts, input, hotSpot, indicator);
    if (options.fullScreen) moment.fullScreen = FullScreenNow(facts);
    step.alpha = DisplayAlpha(options, moment);
    // Once faded out it stays hidden until a change, however long that takes.
    if (options.show == ShowMode::AfterChange) {
        if (fadedOut_) step.alpha = kHidden;
        fadedOut_ = step.alpha == kHidden && !moment.fullScreen;
    }

    if (options.capsMark) {
        const std::uint32_t now = facts.NowMs();
        if (!capsRead_ || now - capsReadAtMs_ >= kCapsReadMs) {
            capsRead_ = true;
            capsReadAtMs_ = now;
            const bool on = facts.CapsLockOn();
            step.capsChanged = on != capsOn_;
            capsOn_ = on;
        }
    }
    return step;
}

std::uint32_t DisplayFollower::MsSinceChange(const DisplayFacts& facts, const InputCursor& input,
                                             ScreenPoint hotSpot, WindowId indicator) {
    const std::uint32_t now = facts.NowMs();
    const WindowId under = input.WindowAt(hotSpot);
    if (under != indicator) {
        const WindowId topLevel = facts.TopLevelOf(under);
        if (topLevel != topLevel_) {
            topLevel_ = topLevel;
            CodeChanged(now);
        }
    }
    return now - changedAtMs_;
}

// The monitor is looked up only when the foreground window or its rectangle
// has changed since the last tick.
bool DisplayFollower::FullScreenNow(const DisplayFacts& facts) {
    const WindowId foreground = facts.ForegroundWindow();
    const ScreenRect rect = foreground == kNoWindow ? ScreenRect{} : facts.WindowRect(foreground);
    if (foreground != foreground_ || rect != foregroundRect_) {
        foreground_ = foreground;
        foregroundRect_ = rect;
        fullScreen_ = foreground != kNoWindow && CoversMonitor(rect, facts.MonitorRectOf(foreground));
    }
    return fullScreen_;
}

} // namespace morvane
