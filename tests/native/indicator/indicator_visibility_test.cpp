#include "indicator/indicator_visibility.h"

#include <gtest/gtest.h>

#include <vector>

namespace morvane {
namespace {

enum class Event { Shows, Hides, Step, Options, OptionsNoHide };
using enum VisibilityChange;

// Each journey runs its events in order from a fresh start; every row names
// the action the window must take and whether the ticks still track it.
TEST(IndicatorVisibilityTest, EventsGiveTheOneChangeTheWindowMakes) {
    struct Row { Event event; int alpha; VisibilityChange change; int actionAlpha; bool tracking; };
    const struct { const char* journey; std::vector<Row> rows; } journeys[] = {
        {"opaque all along",
         {{Event::Shows, 0, Show, 255, true}, {Event::Step, 255, None, 255, true}}},
        {"a fade, hidden, then shown at once by a change",
         {{Event::Shows, 0, Show, 255, true}, {Event::Step, 204, SetAlpha, 204, true},
          {Event::Step, 204, None, 255, true}, {Event::Step, 0, Hide, 255, true},
          {Event::Step, 0, None, 255, true}, {Event::Step, 255, ShowAtAlpha, 255, true},
          {Event::Step, 204, SetAlpha, 204, true}}},
        {"a dialog opened while faded out, then closed",
         {{Event::Shows, 0, Show, 255, true}, {Event::Step, 0, Hide, 255, true},
          {Event::Hides, 0, Hide, 255, false}, {Event::Step, 255, None, 255, false},
          {Event::Shows, 0, Show, 255, true}, {Event::Step, 0, Hide, 255, true}}},
        {"a dialog closed while faded: the same opacity is given again",
         {{Event::Shows, 0, Show, 255, true}, {Event::Step, 102, SetAlpha, 102, true},
          {Event::Hides, 0, Hide, 255, false}, {Event::Shows, 0, Show, 255, true},
          {Event::Step, 102, SetAlpha, 102, true}}},
        {"options that may hide apply the next step even when it is opaque",
         {{Event::Shows, 0, Show, 255, true}, {Event::Options, 0, None, 255, true},
          {Event::Step, 255, SetAlpha, 255, true}, {Event::Step, 255, None, 255, true}}},
        {"options that never hide leave an opaque window alone",
         {{Event::Shows, 0, Show, 255, true}, {Event::OptionsNoHide, 0, None, 255, true},
          {Event::Step, 255, None, 255, true}}},
        {"options that never hide, while faded: the same opacity is given again",
         {{Event::Shows, 0, Show, 255, true}, {Event::Step, 102, SetAlpha, 102, true},
          {Event::OptionsNoHide, 0, None, 255, true}, {Event::Step, 102, SetAlpha, 102, true}}},
        {"options that never hide, while hidden: the step shows it",
         {{Event::Shows, 0, Show, 255, true}, {Event::Step, 0, Hide, 255, true},
          {Event::OptionsNoHide, 0, None, 255, true}, {Event::Step, 255, ShowAtAlpha, 255, true}}},
    };
    for (const auto& journey : journeys) {
        IndicatorVisibility visibility;
        int index = 0;
        for (const Row& row : journey.rows) {
            VisibilityAction action;
            switch (row.event) {
            case Event::Shows: action = visibility.ProgramShows(); break;
            case Event::Hides: action = visibility.ProgramHides(); break;
            case Event::Step: action = visibility.DisplayStep(static_cast<std::uint8_t>(row.alpha)); break;
            case Event::Options: visibility.OptionsChanged(true); break;
            case Event::OptionsNoHide: visibility.OptionsChanged(false); break;
            }
            const VisibilityAction expected{row.change, static_cast<std::uint8_t>(row.actionAlpha)};
            EXPECT_EQ(action, expected) << journey.journey << ", row " << index;
            EXPECT_EQ(visibility.Tracking(), row.tracking) << journey.journey << ", row " << index;
            ++index;
        }
    }
}

} // namespace
} // namespace morvane
