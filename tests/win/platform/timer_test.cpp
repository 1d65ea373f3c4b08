#include "platform/win32/timer.h"

#include <gtest/gtest.h>

#include "platform/win32/message_loop.h"
#include "test_window.h"

namespace morvane::win32 {
namespace {

using test_support::TestWindow;

TEST(Timer, TicksThroughTheMessageLoopUntilItsOwnerUnloads) {
    TestWindow window;
    int ticks = 0;
    Timer timer(window, 10, [&] {
        ++ticks;
        window.Unload();
    });
    ASSERT_TRUE(window.LoadTopLevel());
    timer.SetEnabled(true);
    RunMessageLoop({&window});
    EXPECT_GE(ticks, 1);
    EXPECT_FALSE(timer.Enabled()) << "the timer stops with its window";
}

TEST(Timer, EnabledBeforeItsOwnerLoadsStartsWithIt) {
    TestWindow window;
    bool ticked = false;
    Timer timer(window, 1, [&] {
        ticked = true;
        window.Unload();
    });
    timer.SetEnabled(true);
    EXPECT_TRUE(timer.Enabled());
    ASSERT_TRUE(window.LoadTopLevel());
    RunMessageLoop({&window});
    EXPECT_TRUE(ticked);
}

TEST(MessageLoop, EndsWhenItsWindowsAreGoneWhileOthersStayLoaded) {
    TestWindow owner;
    TestWindow other;
    ASSERT_TRUE(owner.LoadTopLevel());
    ASSERT_TRUE(other.LoadTopLevel());
    Timer quiet(owner, 10);  // no tick action: nothing happens
    quiet.SetEnabled(true);
    Timer closer(other, 10, [&] { other.Unload(); });
    closer.SetEnabled(true);
    RunMessageLoop({&other});
    EXPECT_TRUE(owner.IsLoaded());
    EXPECT_TRUE(quiet.Enabled());
}

TEST(MessageLoop, EndsWhenTheLastOfItsWindowsIsClosed) {
    TestWindow first;
    TestWindow second;
    ASSERT_TRUE(first.LoadTopLevel());
    ASSERT_TRUE(second.LoadTopLevel());
    PostMessageW(first.hWnd(), WM_CLOSE, 0, 0);
    PostMessageW(second.hWnd(), WM_CLOSE, 0, 0);
    RunMessageLoop({&first, &second});
    EXPECT_FALSE(first.IsLoaded());
    EXPECT_FALSE(second.IsLoaded());
}

TEST(MessageLoop, QuitEndsItAndIsPassedOnToTheOuterLoop) {
    TestWindow window;
    ASSERT_TRUE(window.LoadTopLevel());
    PostQuitMessage(3);
    RunMessageLoop({&window});
    EXPECT_TRUE(window.IsLoaded());
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 3u);
}

} // namespace
} // namespace morvane::win32
