#include "indicator/wake_scheduler.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

enum class Op { Start, StartPolling, Stop, Lost, Moved, Button, Key, Foreground, Focus, Tick, Due, NotDue };

// One scheduler through a day of events, in order. Each row: what happens and
// when (for Tick, the system's last input; for Due, in how many ms), what the
// tick then does and how the timers run after it (the 1 ms tick; the wake timer's ms).
TEST(WakeSchedulerTest, EventsWakeItAndItSleepsWhileNothingHappens) {
    const struct { const char* what; Op op; std::uint32_t at, arg; WakeCheck check; WakeTimers timers; } rows[] = {
        {"start: follow at once", Op::Start, 1000, 0, {}, {false, 10}},
        {"following", Op::Tick, 1010, 900, {true, false}, {false, 10}},
        {"still: the check only", Op::Tick, 1300, 900, {}, {false, 300}},
        {"still, quieter", Op::Tick, 1600, 900, {}, {false, 600}},
        {"still, doubling", Op::Tick, 3400, 900, {}, {false, 2400}},
        {"still for long: every 4 s", Op::Tick, 5800, 900, {}, {false, 4000}},
        {"a move", Op::Moved, 6000, 0, {}, {false, 10}},
        {"the move followed", Op::Tick, 6010, 6000, {true, false}, {false, 10}},
        {"a key: look more slowly", Op::Key, 7000, 0, {}, {false, 30}},
        {"looking", Op::Tick, 7570, 7000, {true, false}, {false, 30}},
        {"done looking", Op::Tick, 7600, 7000, {}, {false, 600}},
        {"the foreground changed", Op::Foreground, 8000, 0, {}, {false, 30}},
        {"the focus moved", Op::Focus, 8020, 0, {}, {false, 30}},
        {"a button: follow", Op::Button, 8100, 0, {}, {false, 10}},
        {"hook lost: input with no event", Op::Tick, 9000, 8900, {false, true}, {true, 250}},
        {"unseen input goes on: polling", Op::Tick, 9250, 9200, {}, {true, 250}},
        {"events come again", Op::Moved, 9300, 0, {}, {false, 10}},
        {"followed", Op::Tick, 9310, 9300, {true, false}, {false, 10}},
        {"unseen input that has stopped: one look", Op::Tick, 12000, 10000, {true, true}, {false, 2000}},
        {"a fade step in 30 ms", Op::Due, 12000, 30, {}, {false, 30}},
        {"the fade step: tracked, and soon again", Op::Tick, 12030, 10000, {true, false}, {false, 10}},
        {"faded out", Op::NotDue, 12030, 0, {}, {false, 2030}},
        {"a dialog opens", Op::Stop, 12100, 0, {}, {false, 0}},
        {"events ignored", Op::Moved, 12200, 0, {}, {false, 0}},
        {"no tick", Op::Tick, 12300, 12200, {}, {false, 0}},
        {"the dialog closed", Op::Start, 20000, 0, {}, {false, 10}},
        {"the sources cannot be installed again", Op::Lost, 20000, 0, {}, {true, 0}},
        {"events unavailable: the 1 ms tick alone", Op::Tick, 20500, 20400, {}, {true, 0}},
        {"started without events", Op::StartPolling, 21000, 0, {}, {true, 0}},
        {"the clock wraps", Op::Start, 0xFFFFFF00, 0, {}, {false, 10}},
        {"following across the wrap", Op::Tick, 0x20, 0xFFFFFF00, {true, false}, {false, 10}},
        {"still after the wrap", Op::Tick, 0x30, 0xFFFFFF00, {}, {false, 304}}};
    WakeScheduler scheduler;
    for (const auto& row : rows) {
        WakeCheck check;
        switch (row.op) {
        case Op::Start: scheduler.Start(row.at, true); break;
        case Op::StartPolling: scheduler.Start(row.at, false); break;
        case Op::Stop: scheduler.Stop(); break;
        case Op::Lost: scheduler.SetEventsLive(false); break;
        case Op::Moved: scheduler.Event(WakeEvent::Moved, row.at); break;
        case Op::Button: scheduler.Event(WakeEvent::Button, row.at); break;
        case Op::Key: scheduler.Event(WakeEvent::Key, row.at); break;
        case Op::Foreground: scheduler.Event(WakeEvent::Foreground, row.at); break;
        case Op::Focus: scheduler.Event(WakeEvent::Focus, row.at); break;
        case Op::Tick: check = scheduler.Tick(row.at, row.arg); break;
        case Op::Due: scheduler.DisplayDue(row.at, row.arg); break;
        case Op::NotDue: scheduler.DisplayDue(row.at, std::nullopt); break;
        }
        EXPECT_EQ(check, row.check) << row.what;
        EXPECT_EQ(scheduler.Timers(row.at), row.timers) << row.what;
    }
}

} // namespace
} // namespace morvane
