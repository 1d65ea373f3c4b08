#include "indicator/wake_scheduler.h"

#include <algorithm>

namespace morvane {

namespace {

// Whether a comes before b on the wrapping clock.
bool Before(std::uint32_t a, std::uint32_t b) { return static_cast<std::int32_t>(a - b) < 0; }
std::uint32_t Since(std::uint32_t now, std::uint32_t then) { return Before(now, then) ? 0 : now - then; }

} // namespace

void WakeScheduler::Start(std::uint32_t now, bool eventsLive) {
    on_ = true;
    live_ = eventsLive;
    polling_ = !eventsLive;
    heardMs_ = lastInputMs_ = lookUntil_ = now;
    followUntil_ = now + kFollowMs;
    displayAt_.reset();
}

void WakeScheduler::SetEventsLive(bool live) {
    live_ = live;
    if (!live) polling_ = true;
}

void WakeScheduler::Event(WakeEvent event, std::uint32_t now) {
    heardMs_ = now;
    polling_ = !live_;
    if (event == WakeEvent::Moved || event == WakeEvent::Button) {
        followUntil_ = now + kFollowMs;
    } else {
        lookUntil_ = now + kLookMs;
    }
}

void WakeScheduler::CursorSeenMoving(std::uint32_t now) {
    if (polling_ || !Before(now, followUntil_)) return;
    heardMs_ = now;
    followUntil_ = now + kFollowMs;
}

WakeCheck WakeScheduler::Tick(std::uint32_t now, std::uint32_t lastInputMs, std::uint32_t cursorMovedMs) {
    if (!on_) return {};
    lastInputMs = Before(lastInputMs, cursorMovedMs) ? cursorMovedMs : lastInputMs;
    lastInputMs_ = lastInputMs;
    WakeCheck check;
    if (live_ && Before(heardMs_ + kUnseenSlackMs, lastInputMs)) {
        check.reinstall = !polling_;
        // The 1 ms tick while the unseen input goes on; once it has stopped, one look at where it left the cursor.
        polling_ = Before(now, lastInputMs + kQuietMs);
        if (!polling_) {
            heardMs_ = lastInputMs;
            check.track = true;
        }
    }
    check.track = check.track || (!polling_ && (Busy(now) || trackOnCheck_));
    return check;
}

void WakeScheduler::DisplayDue(std::uint32_t now, std::optional<std::uint32_t> dueMs) {
    displayAt_ = dueMs ? std::optional(now + *dueMs) : std::nullopt;
}

WakeTimers WakeScheduler::Timers(std::uint32_t now) const {
    if (!on_) return {};
    // Polling, the check goes on to end it once the unseen input stops; without
    // event sources the 1 ms tick runs for good.
    if (polling_) return {true, live_ ? CheckMs(now) : 0, live_};
    if (Before(now, followUntil_)) return {false, kFollowTickMs, false};
    if (Before(now, lookUntil_)) return {false, kLookTickMs, true};
    std::uint32_t ms = CheckMs(now);
    if (displayAt_) ms = std::clamp(Since(*displayAt_, now), kFollowTickMs, ms);
    return {false, ms, true};
}

bool WakeScheduler::Following(std::uint32_t now) const {
    return on_ && !polling_ && Before(now, followUntil_);
}

bool WakeScheduler::Busy(std::uint32_t now) const {
    return Before(now, followUntil_) || Before(now, lookUntil_) || displayAt_.has_value();
}

// As long as it has been quiet, within the check's bounds: the interval doubles while nothing happens.
std::uint32_t WakeScheduler::CheckMs(std::uint32_t now) const {
    return std::clamp(std::min(Since(now, heardMs_), Since(now, lastInputMs_)), kFirstCheckMs, kLastCheckMs);
}

} // namespace morvane
