#include "indicator/wake_scheduler.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

// Event: arg is the WakeEvent; Tick: the system's last input; CursorAlone: a
// tick where only the cursor, at arg, was seen somewhere new; Start: events
// live unless arg; Due: in arg ms (0: none); TrackOnCheck: on unless 0.
enum class Op { Start, Stop, Lost, Event, CursorSeen, Tick, CursorAlone, Due, TrackOnCheck };
constexpr auto kMove = std::uint32_t(WakeEvent::Moved), kButton = std::uint32_t(WakeEvent::Button),
               kKey = std::uint32_t(WakeEvent::Key), kForeground = std::uint32_t(WakeEvent::Foreground),
               kFocus = std::uint32_t(WakeEvent::Focus);

// One scheduler through a day, in order: what happens and when, what the tick
// then does (track, reinstall) and the timers after it (the 1 ms tick; the wake timer's ms; the mouse hook).
TEST(WakeSchedulerTest, EventsWakeItAndItSleepsWhileNothingHappens) {
    const struct { const char* what; Op op; std::uint32_t at, arg; WakeCheck check; WakeTimers timers; } rows[] = {
        {"start", Op::Start, 1000, 0, {}, {false, 15, false}}, {"still", Op::Tick, 1300, 900, {}, {false, 300, true}},
        {"still for long", Op::Tick, 9000, 900, {}, {false, 8000, true}}, {"move", Op::Event, 9000, kMove, {}, {false, 15, false}},
        {"followed", Op::Tick, 9010, 9000, {true, false}, {false, 15, false}},
        {"seen moving by the tick", Op::CursorSeen, 9290, 0, {}, {false, 15, false}},
        {"followed on", Op::Tick, 9500, 9290, {true, false}, {false, 15, false}}, {"key", Op::Event, 10000, kKey, {}, {false, 30, true}},
        {"looking", Op::Tick, 10570, 10000, {true, false}, {false, 30, true}}, {"done", Op::Tick, 10600, 10000, {}, {false, 600, true}},
        {"foreground", Op::Event, 11000, kForeground, {}, {false, 30, true}}, {"focus", Op::Event, 11020, kFocus, {}, {false, 30, true}},
        {"button", Op::Event, 11100, kButton, {}, {false, 15, false}},
        {"hook lost", Op::Tick, 12000, 11900, {false, true}, {true, 250, true}},
        {"unseen input goes on", Op::Tick, 12250, 12200, {}, {true, 250, true}}, {"back", Op::Event, 12300, kMove, {}, {false, 15, false}},
        {"followed", Op::Tick, 12310, 12300, {true, false}, {false, 15, false}}, {"fade step", Op::Due, 12310, 30, {}, {false, 15, false}},
        {"unseen input that stopped: one look", Op::Tick, 15000, 13000, {true, true}, {false, 15, true}},
        {"faded", Op::Due, 15000, 0, {}, {false, 2000, true}},
        {"unseen move", Op::CursorAlone, 17000, 17000, {false, true}, {true, 250, true}},
        {"rests: one look", Op::CursorAlone, 17600, 17000, {true, false}, {false, 600, true}},
        {"dialog", Op::Stop, 18300, 0, {}, {false, 0, false}}, {"ignored", Op::Event, 18400, kMove, {}, {false, 0, false}},
        {"no tick", Op::Tick, 18500, 18400, {}, {false, 0, false}}, {"closed", Op::Start, 20000, 0, {}, {false, 15, false}},
        {"reinstall failed", Op::Lost, 20000, 0, {}, {true, 0, false}}, {"polling", Op::Tick, 20500, 20400, {}, {true, 0, false}},
        {"start without events", Op::Start, 21000, 1, {}, {true, 0, false}}, {"wrap", Op::Start, 0xFFFFFF00, 0, {}, {false, 15, false}},
        {"across", Op::Tick, 0x20, 0xFFFFFF00, {true, false}, {false, 15, false}},
        {"after", Op::Tick, 0x30, 0xFFFFFF00, {}, {false, 304, true}}, {"full screen", Op::TrackOnCheck, 0x30, 1, {}, {false, 304, true}},
        {"checks track", Op::Tick, 0x200, 0xFFFFFF00, {true, false}, {false, 768, true}}};
    WakeScheduler scheduler;
    for (const auto& row : rows) {
        WakeCheck check;
        switch (row.op) {
        case Op::Start: scheduler.Start(row.at, row.arg == 0); break;
        case Op::Stop: scheduler.Stop(); break;
        case Op::Lost: scheduler.SetEventsLive(false); break;
        case Op::Event: scheduler.Event(static_cast<WakeEvent>(row.arg), row.at); break;
        case Op::CursorSeen: scheduler.CursorSeenMoving(row.at); break;
        case Op::Tick: check = scheduler.Tick(row.at, row.arg, row.arg); break;
        case Op::CursorAlone: check = scheduler.Tick(row.at, row.at - 60000, row.arg); break;
        case Op::Due: scheduler.DisplayDue(row.at, row.arg ? std::optional(row.arg) : std::nullopt); break;
        case Op::TrackOnCheck: scheduler.SetTrackOnCheck(row.arg != 0); break;
        }
        EXPECT_EQ(check, row.check) << row.what;
        EXPECT_EQ(scheduler.Timers(row.at), row.timers) << row.what;
        EXPECT_EQ(scheduler.Following(row.at), row.timers.wakeMs == 15 && !row.timers.mouseHook) << row.what;
    }
}

} // namespace
} // namespace morvane
