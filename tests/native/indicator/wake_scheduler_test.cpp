#include "indicator/wake_scheduler.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

enum class Op { Start, StartPolling, Stop, Lost, Moved, Button, Key, Foreground, Focus, Tick, CursorAlone, Due, NotDue, TrackOnCheck };

// One scheduler through a day of events, in order. Each row: what happens and
// when (for Tick, the system's last input; for CursorAlone, when the cursor
// was seen somewhere new, the system having seen no input; for Due, in how
// many ms), what the tick then does and how the timers run after it (the 1 ms
// tick; the wake timer's ms).
TEST(WakeSchedulerTest, EventsWakeItAndItSleepsWhileNothingHappens) {
    const struct { const char* what; Op op; std::uint32_t at, arg; WakeCheck check; WakeTimers timers; } rows[] = {
        {"start: follow at once", Op::Start, 1000, 0, {}, {false, 10}},
        {"following", Op::Tick, 1010, 900, {true, false}, {false, 10}},
        {"still: the check only", Op::Tick, 1300, 900, {}, {false, 300}},
        {"still, quieter", Op::Tick, 1600, 900, {}, {false, 600}},
        {"still, doubling", Op::Tick, 3400, 900, {}, {false, 2400}},
        {"still for long: every 6 s", Op::Tick, 8800, 900, {}, {false, 6000}},
        {"a move", Op::Moved, 9000, 0, {}, {false, 10}},
        {"the move followed", Op::Tick, 9010, 9000, {true, false}, {false, 10}},
        {"a key: look more slowly", Op::Key, 10000, 0, {}, {false, 30}},
        {"looking", Op::Tick, 10570, 10000, {true, false}, {false, 30}},
        {"done looking", Op::Tick, 10600, 10000, {}, {false, 600}},
        {"the foreground changed", Op::Foreground, 11000, 0, {}, {false, 30}},
        {"the focus moved", Op::Focus, 11020, 0, {}, {false, 30}},
        {"a button: follow", Op::Button, 11100, 0, {}, {false, 10}},
        {"hook lost: input with no event", Op::Tick, 12000, 11900, {false, true}, {true, 250}},
        {"unseen input goes on: polling", Op::Tick, 12250, 12200, {}, {true, 250}},
        {"events come again", Op::Moved, 12300, 0, {}, {false, 10}},
        {"followed", Op::Tick, 12310, 12300, {true, false}, {false, 10}},
        {"unseen input that has stopped: one look", Op::Tick, 15000, 13000, {true, true}, {false, 2000}},
        {"a fade step in 30 ms", Op::Due, 15000, 30, {}, {false, 30}},
        {"the fade step: tracked, and soon again", Op::Tick, 15030, 13000, {true, false}, {false, 10}},
        {"faded out", Op::NotDue, 15030, 0, {}, {false, 2030}},
        {"a move no event reported", Op::CursorAlone, 17000, 17000, {false, true}, {true, 250}},
        {"the cursor rests: one look, then asleep", Op::CursorAlone, 17600, 17000, {true, false}, {false, 600}},
        {"the full-screen option on", Op::TrackOnCheck, 17600, 1, {}, {false, 600}},
        {"each check tracks", Op::Tick, 18200, 17000, {true, false}, {false, 1200}},
        {"the option off", Op::TrackOnCheck, 18200, 0, {}, {false, 1200}},
        {"a dialog opens", Op::Stop, 18300, 0, {}, {false, 0}},
        {"events ignored", Op::Moved, 18400, 0, {}, {false, 0}},
        {"no tick", Op::Tick, 18500, 18400, {}, {false, 0}},
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
        case Op::Tick: check = scheduler.Tick(row.at, row.arg, row.arg); break;
        case Op::CursorAlone: check = scheduler.Tick(row.at, row.at - 60000, row.arg); break;
        case Op::TrackOnCheck: scheduler.SetTrackOnCheck(row.arg != 0); break;
        case Op::Due: scheduler.DisplayDue(row.at, row.arg); break;
        case Op::NotDue: scheduler.DisplayDue(row.at, std::nullopt); break;
        }
        EXPECT_EQ(check, row.check) << row.what;
        EXPECT_EQ(scheduler.Timers(row.at), row.timers) << row.what;
    }
}

} // namespace
} // namespace morvane
