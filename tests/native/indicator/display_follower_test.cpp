#include "indicator/display_follower.h"

#include <gtest/gtest.h>

#include "doubles/fake_display_facts.h"
#include "doubles/fake_input_cursor.h"

namespace morvane {
namespace {

constexpr WindowId kIndicator = 9, kNotepad = 20, kNotepadEdit = 21, kDesktop = 30;

struct DisplayFollowerTest : ::testing::Test {
    DisplayFollowerTest() {
        input.roots[kNotepadEdit] = kNotepad;
        input.windowsAt = {{{5, 5}, kNotepadEdit}, {{6, 6}, kNotepad}, {{7, 7}, kIndicator}, {{8, 8}, kDesktop}};
    }
    DisplayStep At(std::int32_t xy, std::uint32_t now) {
        facts.now = now;
        return follower.Follow(options, facts, input, {xy, xy}, kIndicator);
    }
    DisplayOptions options;
    FakeDisplayFacts facts;
    FakeInputCursor input;
    DisplayFollower follower;
};

TEST_F(DisplayFollowerTest, AfterAChangeShowsOnANewTopLevelWindowOnlyAndStaysHiddenOnceFaded) {
    options.show = ShowMode::AfterChange;
    follower.CodeChanged(0);
    // Each row: where the cursor is, when, and the opacity then.
    const struct { std::int32_t xy; std::uint32_t now; int alpha; const char* why; } rows[] = {
        {5, 0, kOpaque, "just changed"}, {6, 2400, kHidden, "the same top-level window is no change"},
        {7, 2500, kHidden, "the indicator itself is no change"}, {8, 2600, kOpaque, "the desktop is another window"},
        {8, 4900, kHidden, "faded"}, {8, 3100, kHidden, "the clock came round again, 2^32 ms later"}};
    for (const auto& row : rows) EXPECT_EQ(At(row.xy, row.now).alpha, row.alpha) << row.why;
    follower.CodeChanged(7000);
    const DisplayStep shown = At(8, 7100);
    EXPECT_EQ(std::tuple(shown.alpha, shown.dueMs), std::tuple(kOpaque, std::optional<std::uint32_t>(1900))) << "a new code";
    EXPECT_FALSE(At(8, 9400).dueMs) << "faded out: nothing more to time";
}

TEST_F(DisplayFollowerTest, FullScreenIsTestedOnlyWhenTheForegroundWindowOrItsRectangleChanges) {
    options.fullScreen = true;
    input.foreground = kNotepad;
    facts.foregroundFrame = {{100, 100, 800, 600}};
    EXPECT_EQ(At(5, 0).alpha, kOpaque);
    facts.foregroundFrame = {{0, 0, 1920, 1080}};
    EXPECT_EQ(At(5, 99).alpha, kOpaque) << "the foreground window is read every 100 ms";
    EXPECT_EQ(At(5, 100).alpha, kHidden);
    EXPECT_EQ(At(5, 200).alpha, kHidden);
    EXPECT_EQ(facts.monitorLookups, 2) << "looked up only when the frame changed";
    std::tie(input.foreground, facts.foregroundClass) = std::tuple(kDesktop, L"WorkerW");
    EXPECT_EQ(At(5, 300).alpha, kOpaque) << "the desktop in front, as large as its monitor";
}

TEST_F(DisplayFollowerTest, WhileThePointerIsHiddenOverTextOnlyKeepsItsLastDecision) {
    options.show = ShowMode::OverText;
    using enum PointerShown;
    const std::pair<PointerShown, int> rows[] = {{Hidden, kHidden}, {IBeam, kOpaque}, {Hidden, kOpaque}, {Other, kHidden}, {Hidden, kHidden}};
    for (std::size_t i = 0; i < std::size(rows); ++i) EXPECT_EQ((facts.pointer = rows[i].first, At(5, 0).alpha), rows[i].second) << i;
}

TEST_F(DisplayFollowerTest, CapsLockIsReadOnlyWithItsMarkAndAtMostEvery100Ms) {
    EXPECT_FALSE(At(5, 0).capsChanged);
    EXPECT_EQ(facts.capsReads, 0) << "not read without the mark";
    options.capsMark = true;
    facts.caps = true;
    EXPECT_TRUE(At(5, 1000).capsChanged);
    EXPECT_TRUE(follower.CapsOn());
    facts.caps = false;
    EXPECT_FALSE(At(5, 1050).capsChanged) << "read again only 100 ms later";
    EXPECT_TRUE(At(5, 1100).capsChanged);
    EXPECT_EQ(std::tuple(follower.CapsOn(), facts.capsReads), std::tuple(false, 2));
    facts.caps = true;
    EXPECT_TRUE(At(5, 1200).capsChanged);
    facts.caps = std::nullopt;  // the system cannot tell: the last value stays
    EXPECT_TRUE(!At(5, 1300).capsChanged && follower.CapsOn());
}

} // namespace
} // namespace morvane
