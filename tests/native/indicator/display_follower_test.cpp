#include "indicator/display_follower.h"

#include <gtest/gtest.h>

#include "doubles/fake_display_facts.h"
#include "doubles/fake_input_cursor.h"

namespace morvane {
namespace {

constexpr WindowId kIndicator = 9;
constexpr WindowId kNotepad = 20;
constexpr WindowId kNotepadEdit = 21;
constexpr WindowId kDesktop = 30;

class DisplayFollowerTest : public ::testing::Test {
protected:
    DisplayFollowerTest() {
        input.roots[kNotepadEdit] = kNotepad;
        input.windowsAt[{5, 5}] = kNotepadEdit;
        input.windowsAt[{6, 6}] = kNotepad;
        input.windowsAt[{7, 7}] = kIndicator;
        input.windowsAt[{8, 8}] = kDesktop;
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
    EXPECT_EQ(At(5, 0).alpha, kOpaque);
    EXPECT_EQ(At(6, 2400).alpha, kHidden) << "the same top-level window is no change";
    EXPECT_EQ(At(7, 2500).alpha, kHidden) << "the indicator itself is no change";
    EXPECT_EQ(At(8, 2600).alpha, kOpaque) << "the desktop is another window";
    EXPECT_EQ(At(8, 4900).alpha, kHidden);
    EXPECT_EQ(At(8, 3100).alpha, kHidden) << "the clock came round again, 2^32 ms later";
    follower.CodeChanged(7000);
    EXPECT_EQ(At(8, 7100).alpha, kOpaque) << "a new code";
}

TEST_F(DisplayFollowerTest, FullScreenIsTestedOnlyWhenTheForegroundWindowOrItsRectangleChanges) {
    options.fullScreen = true;
    input.foreground = kNotepad;
    facts.foregroundRect = {100, 100, 800, 600};
    EXPECT_EQ(At(5, 0).alpha, kOpaque);
    facts.foregroundRect = {0, 0, 1920, 1080};
    EXPECT_EQ(At(5, 99).alpha, kOpaque) << "the foreground window is read every 100 ms";
    EXPECT_EQ(At(5, 100).alpha, kHidden);
    EXPECT_EQ(At(5, 200).alpha, kHidden);
    EXPECT_EQ(facts.monitorLookups, 2);
    input.foreground = kNoWindow;  // the desktop came to the front
    EXPECT_EQ(At(5, 300).alpha, kOpaque);
}

TEST_F(DisplayFollowerTest, CapsLockIsReadOnlyWithItsMarkAndAtMostEvery100Ms) {
    EXPECT_FALSE(At(5, 0).capsChanged);
    EXPECT_EQ(facts.capsReads, 0);
    options.capsMark = true;
    facts.caps = true;
    EXPECT_TRUE(At(5, 1000).capsChanged);
    EXPECT_TRUE(follower.CapsOn());
    facts.caps = false;
    EXPECT_FALSE(At(5, 1050).capsChanged);
    EXPECT_TRUE(At(5, 1100).capsChanged);
    EXPECT_FALSE(follower.CapsOn());
    EXPECT_EQ(facts.capsReads, 2);
}

} // namespace
} // namespace morvane
